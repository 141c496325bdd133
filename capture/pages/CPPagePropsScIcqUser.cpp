#include "capture/pages/CPPagePropsScIcqUser.h"

#include "Info/InfoScIcq.h"
#include "capture/pages/CPSheetCaptureProperties.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"

CPPagePropsScIcqUser::CPPagePropsScIcqUser() : CPPagePropsScBase(IDD_PROPS_SC_ICQ_USER, SP_SC_ICQ, 0, 2, false) {}

CPPagePropsScIcqUser::~CPPagePropsScIcqUser()
{
    SetIcqNotifyWindow(nullptr);
}

void CPPagePropsScIcqUser::InitControls()
{
    SetIcqNotifyWindow(GetSafeHwnd());
    FillImageTypeCombo(GetDlgItem(IDC_ICQ_FILE_TYPE), CopyAs<InfoScIcq>().FType, false, false);
}

void CPPagePropsScIcqUser::RecordToControls()
{
    m_contacts.Init(GetDlgItem(IDC_ICQ_USER), CopyAs<InfoScIcq>());
    SetComboIndex(IDC_ICQ_FILE_TYPE, CopyAs<InfoScIcq>().FType);
}

bool CPPagePropsScIcqUser::Reset(bool reload)
{
    CPPagePropsScBase::Reset(reload);
    auto* sheet = dynamic_cast<CPSheetCaptureProperties*>(CWnd::FromHandle(GetSheetWindow()));
    if (reload && sheet)
        sheet->RefreshIcqInfoPage(GetSelectedUser());
    return true;
}

ICQAPI_User* CPPagePropsScIcqUser::GetSelectedUser() const
{
    int index = GetComboIndex(IDC_ICQ_USER);
    if (index < 0)
        return nullptr;
    auto data = SendMessageW(GetDlgItem(IDC_ICQ_USER), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<ICQAPI_User*>(data);
}

void CPPagePropsScIcqUser::TakeSelectedUser()
{
    ICQAPI_User* user = GetSelectedUser();
    if (!user)
        return;
    auto& record = CopyAs<InfoScIcq>();
    record.UID = user->Uin;
    record.FirstName = CString(user->FirstName);
    record.LastName = CString(user->LastName);
    record.IP = user->IP;
    if (auto* sheet = dynamic_cast<CPSheetCaptureProperties*>(CWnd::FromHandle(GetSheetWindow())))
        sheet->RefreshIcqInfoPage(user);
}

bool CPPagePropsScIcqUser::Check()
{
    if (CopyAs<InfoScIcq>().UID == 0)
        return FailCheck(L"No ICQ user selected.", MB_ICONEXCLAMATION, 0);
    return true;
}

bool CPPagePropsScIcqUser::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_ICQ_USER && code == CBN_SELCHANGE)
    {
        TakeSelectedUser();
        return true;
    }
    if (id == IDC_ICQ_FILE_TYPE && code == CBN_SELCHANGE)
    {
        CopyAs<InfoScIcq>().FType = static_cast<EnumFileType>(GetComboIndex(id));
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}

LRESULT CPPagePropsScIcqUser::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ICQ_USERLIST_CHANGED)
    {
        m_contacts.FillCombo(GetDlgItem(IDC_ICQ_USER));
        return 0;
    }
    return CPPagePropsScBase::WindowProc(message, wParam, lParam);
}

#include "app/CFormVwProperties.h"

#include "app/AppIds.h"
#include "app/SheetPlacement.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CMenuActions.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"

CFormVwProperties::CFormVwProperties(std::unique_ptr<ICapturePropertiesSheet> sheet, DisplayFlagReader displayFlag)
    : CFormView(IDD_FORM_PROPERTIES), m_sheet(std::move(sheet)), m_displayFlag(std::move(displayFlag))
{
}

CFormVwProperties::~CFormVwProperties()
{
    if (m_icon)
        DestroyIcon(m_icon);
}

void CFormVwProperties::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (!m_sheet || !m_sheet->Create(GetSafeHwnd(), AppFrameControlRect(GetSafeHwnd(), IDC_PROPS_FRAME)))
    {
        m_sheet.reset();
        AppShowSheetMissing(GetSafeHwnd(), IDC_PROPS_FRAME, L"The property pages");
    }
    EnableSaveRevert(false);
    SetTimer(GetSafeHwnd(), kModifiedTimer, kModifiedPeriodMs, nullptr);
}

bool CFormVwProperties::ShowRecordType(EnumSendParam type, const CString& name, int pageHint, bool force)
{
    if (!force && type == m_recordType)
        return true;
    if (!LeaveModifiedPages())
        return false;
    if (m_sheet)
        m_sheet->ShowPages(type, pageHint);
    m_recordType = type;
    bool destination = type >= SP_SC_FILE;
    for (int id : {IDC_PROPS_DISPLAY_FLAG, IDC_PROPS_SAVE, IDC_PROPS_REVERT})
        ShowWindow(GetDlgItem(id), destination ? SW_SHOWNA : SW_HIDE);
    if (destination)
        CheckDlgButton(GetSafeHwnd(), IDC_PROPS_DISPLAY_FLAG,
                       m_displayFlag && m_displayFlag(type) ? BST_CHECKED : BST_UNCHECKED);
    ShowHeader(type, name);
    return true;
}

bool CFormVwProperties::LeaveModifiedPages()
{
    if (!m_sheet || !m_sheet->IsModified())
        return true;
    int answer = AppMessageBox(IDS_PROPERTIES_MODIFIED, MB_YESNOCANCEL | MB_ICONQUESTION, GetSafeHwnd());
    if (answer == IDCANCEL)
        return false;
    // The edits are stored as the pages hold them: validation is the Save button's.
    if (answer == IDYES && m_sheet->Apply())
        m_sheet->Reset(false);
    return true;
}

void CFormVwProperties::ShowHeader(EnumSendParam type, const CString& name)
{
    HICON icon = static_cast<HICON>(LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_VELLUMOR), IMAGE_ICON,
                                               0, 0, LR_DEFAULTSIZE));
    HICON previous = reinterpret_cast<HICON>(
        SendMessageW(GetDlgItem(IDC_PROPS_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    if (previous && previous == m_icon)
        DestroyIcon(previous);
    m_icon = icon;
    SetWindowTextW(GetDlgItem(IDC_PROPS_TITLE), name);
}

void CFormVwProperties::OnSave()
{
    if (m_sheet && m_sheet->Validate() && m_sheet->Apply())
        EnableSaveRevert(false);
}

void CFormVwProperties::OnRevert()
{
    if (m_sheet)
        m_sheet->Reset(true);
    EnableSaveRevert(false);
}

void CFormVwProperties::OnModifiedTimer()
{
    EnableSaveRevert(m_sheet && m_sheet->IsModified());
}

void CFormVwProperties::EnableSaveRevert(bool enable)
{
    EnableWindow(GetDlgItem(IDC_PROPS_SAVE), enable);
    EnableWindow(GetDlgItem(IDC_PROPS_REVERT), enable);
}

bool CFormVwProperties::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CFormView::OnCommand(code, id, control);
    switch (id)
    {
    case IDC_PROPS_SAVE:
        OnSave();
        return true;
    case IDC_PROPS_REVERT:
        OnRevert();
        return true;
    case IDC_PROPS_DISPLAY_FLAG:
        if (m_sheet)
            m_sheet->SetDisplayFlag(IsDlgButtonChecked(GetSafeHwnd(), IDC_PROPS_DISPLAY_FLAG) == BST_CHECKED);
        return true;
    default:
        return CFormView::OnCommand(code, id, control);
    }
}

LRESULT CFormVwProperties::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kModifiedTimer)
    {
        OnModifiedTimer();
        return 0;
    }
    if (message == WM_DESTROY)
        KillTimer(GetSafeHwnd(), kModifiedTimer);
    LRESULT result = CFormView::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN)
        if (CLocalController* controller = GetLocalController())
            CMenuActions(CMenuActions::kView, *controller).Show(controller->GetCaptureType());
    return result;
}

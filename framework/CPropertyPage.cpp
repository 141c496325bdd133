#include "framework/CPropertyPage.h"

#include "framework/AppModule.h"
#include "framework/CPropertySheet.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId, DWORD headerSize)
    : m_templateId(templateId), m_captionId(captionId), m_headerSize(headerSize)
{
}

CPropertyPage::~CPropertyPage() = default;

HPROPSHEETPAGE CPropertyPage::CreatePageHandle()
{
    PROPSHEETPAGEW page = {};
    page.dwSize = m_headerSize;
    page.hInstance = AppGetResourceHandle();
    page.pszTemplate = MAKEINTRESOURCEW(m_templateId);
    page.pfnDlgProc = &BindingPageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    if (m_captionId && m_caption.LoadString(m_captionId))
    {
        page.dwFlags |= PSP_USETITLE;
        page.pszTitle = m_caption;
    }
    if (m_hideHeader)
        page.dwFlags |= PSP_HIDEHEADER;
    else if (m_headerTitleId && m_headerTitle.LoadString(m_headerTitleId))
    {
        page.dwFlags |= PSP_USEHEADERTITLE;
        page.pszHeaderTitle = m_headerTitle;
        if (m_headerSubtitleId && m_headerSubtitle.LoadString(m_headerSubtitleId))
        {
            page.dwFlags |= PSP_USEHEADERSUBTITLE;
            page.pszHeaderSubTitle = m_headerSubtitle;
        }
    }
    return CreatePropertySheetPageW(&page);
}

// comctl32 makes the page with this procedure and the page header as WM_INITDIALOG's
// parameter: the object in the header's user value is bound, and its procedure takes
// WM_INITDIALOG and every later message.
INT_PTR CALLBACK CPropertyPage::BindingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG || CWnd::FromHandle(page))
        return FALSE;
    auto* header = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    auto* object = header ? reinterpret_cast<CPropertyPage*>(header->lParam) : nullptr;
    if (!object || !object->SubclassWindow(page, true))
        return FALSE;
    auto boundProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(page, GWLP_WNDPROC));
    return CallWindowProcW(boundProc, page, message, wParam, lParam);
}

void CPropertyPage::SetWizardHeader(UINT titleId, UINT subtitleId)
{
    m_headerTitleId = titleId;
    m_headerSubtitleId = subtitleId;
}

void CPropertyPage::SetWizardButtons(DWORD buttons) const
{
    PostMessageW(GetSheetWindow(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

HWND CPropertyPage::GetSheetWindow() const
{
    return GetSafeHwnd() ? GetParent(GetSafeHwnd()) : nullptr;
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

bool CPropertyPage::OnSetActive()
{
    return true;
}

bool CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

bool CPropertyPage::OnApply()
{
    return true;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

bool CPropertyPage::OnWizardFinish()
{
    return true;
}

bool CPropertyPage::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != GetSheetWindow())
        return false;
    switch (header.code)
    {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    case PSN_WIZBACK:
        result = OnWizardBack();
        return true;
    case PSN_WIZNEXT:
        result = OnWizardNext();
        return true;
    case PSN_WIZFINISH:
        result = OnWizardFinish() ? FALSE : TRUE;
        if (auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandle(GetSheetWindow())); sheet && !result)
            sheet->SetFinished();
        return true;
    default:
        return false;
    }
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DecodeCommand(message, wParam, lParam, result))
    {
        // The sheet reads a notification's answer as the result, as a dialog keeps it.
        if (message == WM_NOTIFY)
            SetWindowLongPtrW(GetSafeHwnd(), DWLP_MSGRESULT, result);
        return result;
    }
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

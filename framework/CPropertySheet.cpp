#include "framework/CPropertySheet.h"

#include "framework/AppMessageLoop.h"
#include "framework/AppModule.h"

#include <cstring>

namespace
{
const WORD kExtendedSignature = 0xFFFF;
const size_t kExtendedStyleOffset = 12;
// The sheet's Apply button, which commctrl.h does not name.
const int kApplyButtonId = 0x3021;
const DWORD kPopupStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_DLGFRAME |
                           WS_BORDER | DS_CONTEXTHELP | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
} // namespace

CPropertySheet::~CPropertySheet()
{
    // The pages' windows go with the sheet's; the objects are their owners' business.
    m_pages.clear();
}

// Before the sheet's window is made, its template (plain or extended) becomes a child
// control's.
int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message != PSCB_PRECREATE || !lParam)
        return 0;
    auto* bytes = reinterpret_cast<BYTE*>(lParam);
    size_t offset = reinterpret_cast<WORD*>(bytes)[1] == kExtendedSignature ? kExtendedStyleOffset : 0;
    DWORD style;
    std::memcpy(&style, bytes + offset, sizeof(style));
    style = (style & ~kPopupStyles) | WS_CHILD | WS_VISIBLE | DS_CONTROL | DS_SETFONT;
    std::memcpy(bytes + offset, &style, sizeof(style));
    return 0;
}

bool CPropertySheet::CreateChild(HWND parent, DWORD style, DWORD exStyle)
{
    if (!MakeSheet(parent, PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW))
        return false;
    SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, style | DS_CONTROL);
    SetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE, exStyle);
    HideButtons();
    return true;
}

bool CPropertySheet::MakeSheet(HWND parent, DWORD flags)
{
    if (GetSafeHwnd() || m_pages.empty())
        return false;
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages)
        handles.push_back(page->CreatePageHandle());
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = flags;
    header.hwndParent = parent;
    header.hInstance = AppGetResourceHandle();
    header.pszCaption = m_caption;
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = m_startPage < GetPageCount() ? static_cast<UINT>(m_startPage) : 0;
    header.phpage = handles.data();
    header.pfnCallback = &SheetCallback;
    if (m_watermarkId)
    {
        header.dwFlags |= PSH_WATERMARK;
        header.pszbmWatermark = MAKEINTRESOURCEW(m_watermarkId);
    }
    if (m_headerId)
    {
        header.dwFlags |= PSH_HEADER;
        header.pszbmHeader = MAKEINTRESOURCEW(m_headerId);
    }
    auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
    if (!sheet || sheet == INVALID_HANDLE_VALUE)
        return false;
    if (!SubclassWindow(sheet, true))
    {
        ::DestroyWindow(sheet);
        return false;
    }
    return true;
}

void CPropertySheet::HideButtons()
{
    for (int id : {IDOK, IDCANCEL, IDHELP, kApplyButtonId})
        if (HWND button = ::GetDlgItem(GetSafeHwnd(), id))
            ShowWindow(button, SW_HIDE);
}

bool CPropertySheet::AddPage(CPropertyPage& page)
{
    if (GetSafeHwnd())
    {
        HPROPSHEETPAGE handle = page.CreatePageHandle();
        if (!handle || !SendMessageW(GetSafeHwnd(), PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle)))
        {
            if (handle)
                DestroyPropertySheetPage(handle);
            return false;
        }
    }
    m_pages.push_back(&page);
    return true;
}

bool CPropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (GetSafeHwnd())
        SendMessageW(GetSafeHwnd(), PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
    m_pages.erase(m_pages.begin() + index);
    return true;
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[static_cast<size_t>(i)] == page)
            return i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!GetSafeHwnd())
        return -1;
    HWND tab = GetTabControl();
    return tab ? static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)) : -1;
}

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (!GetSafeHwnd())
    {
        m_startPage = index;
        return true;
    }
    return SendMessageW(GetSafeHwnd(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

HWND CPropertySheet::GetTabControl() const
{
    return GetSafeHwnd() ? reinterpret_cast<HWND>(SendMessageW(GetSafeHwnd(), PSM_GETTABCONTROL, 0, 0)) : nullptr;
}

// The sheet takes every message of its windows as a dialog does. A sheet inside another
// window offers them to the windows around it first, as a child dialog does: the frame's
// accelerators and a splitter's F6 act inside the pages too.
bool CPropertySheet::PreTranslateMessage(MSG& message)
{
    if (!GetSafeHwnd())
        return CWnd::PreTranslateMessage(message);
    if ((GetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE) & WS_CHILD) && AppTranslateFrom(::GetParent(GetSafeHwnd()), message))
        return true;
    return SendMessageW(GetSafeHwnd(), PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)) != 0;
}

void CPropertySheet::SetWizard(const CString& caption, DWORD flags, UINT watermarkId, UINT headerId)
{
    m_caption = caption;
    m_wizardFlags = flags;
    m_watermarkId = watermarkId;
    m_headerId = headerId;
}

bool CPropertySheet::CreateWizard(HWND parent)
{
    m_finished = false;
    if (!MakeSheet(parent, PSH_WIZARD | PSH_MODELESS | m_wizardFlags))
        return false;
    m_wizard = true;
    AppAddModelessDialog(GetSafeHwnd());
    return true;
}

bool CPropertySheet::IsWizardEnded() const
{
    return !GetSafeHwnd() || !SendMessageW(GetSafeHwnd(), PSM_GETCURRENTPAGEHWND, 0, 0);
}

INT_PTR CPropertySheet::DoModal(HWND parent)
{
    if (!CreateWizard(parent))
        return -1;
    const bool parentEnabled = parent && IsWindowEnabled(parent);
    if (parentEnabled)
        EnableWindow(parent, FALSE);
    AppPumpUntil([this] { return IsWizardEnded(); }, INFINITE);
    if (parentEnabled)
        EnableWindow(parent, TRUE);
    DestroyWindow();
    if (parent)
        SetActiveWindow(parent);
    return m_finished ? IDOK : IDCANCEL;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_wizard && message == WM_DESTROY)
        AppRemoveModelessDialog(GetSafeHwnd());
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    // A button or the close box may have ended a wizard: the loop that waits for the end
    // looks again after the next message.
    if (m_wizard && (message == WM_COMMAND || message == WM_SYSCOMMAND))
        PostMessageW(GetSafeHwnd(), WM_NULL, 0, 0);
    return result;
}

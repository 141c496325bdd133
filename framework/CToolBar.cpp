#include "framework/CToolBar.h"

#include "framework/AppModule.h"
#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"

#include <algorithm>

namespace
{
// Room around the buttons inside the bar.
const int kMargin = 2;
// Colour of a toolbar bitmap's background.
const COLORREF kTransparent = RGB(192, 192, 192);

// A toolbar button as an update target.
class CToolCmdUI : public CCmdUI
{
public:
    explicit CToolCmdUI(HWND toolbar) : m_toolbar(toolbar) {}
    void Enable(bool on) override
    {
        SendMessageW(m_toolbar, TB_ENABLEBUTTON, m_nID, MAKELPARAM(on ? TRUE : FALSE, 0));
        m_bEnableChanged = true;
    }
    void SetCheck(int state) override
    {
        SendMessageW(m_toolbar, TB_CHECKBUTTON, m_nID, MAKELPARAM(state ? TRUE : FALSE, 0));
    }
    void SetText(const wchar_t*) override {}

private:
    HWND m_toolbar;
};

struct ToolBarResource
{
    WORD version;
    WORD width;
    WORD height;
    WORD count;
    WORD ids[1];
};
} // namespace

CToolBar::~CToolBar()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

bool CToolBar::CreateEx(HWND parent, DWORD ctrlStyle, DWORD style, UINT id)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CreateBar(0, L"", style | WS_CLIPCHILDREN, parent, id))
        return false;
    DWORD toolbarStyle = WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | ctrlStyle;
    if (style & CBRS_TOOLTIPS)
        toolbarStyle |= TBSTYLE_TOOLTIPS;
    m_toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", toolbarStyle, 0, 0, 0, 0, GetSafeHwnd(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AppGetCodeModule(), nullptr);
    if (!m_toolbar)
        return false;
    SendMessageW(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool CToolBar::LoadToolBar(UINT resourceId)
{
    HINSTANCE module = AppGetResourceHandle();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(RT_TOOLBAR_ID));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* data = loaded ? static_cast<const ToolBarResource*>(LockResource(loaded)) : nullptr;
    if (!data || data->version != 1 || SizeofResource(module, found) < 8u + 2u * data->count)
        return false;
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return false;
    m_imageSize = {data->width, data->height};
    if (m_images)
        ImageList_Destroy(m_images);
    m_images = ImageList_Create(data->width, data->height, ILC_COLOR24 | ILC_MASK, data->count, 0);
    ImageList_AddMasked(m_images, strip, kTransparent);
    DeleteObject(strip);
    std::vector<UINT> ids(data->ids, data->ids + data->count);
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

bool CToolBar::SetButtons(const UINT* ids, int count)
{
    if (!m_toolbar)
        return false;
    while (SendMessageW(m_toolbar, TB_DELETEBUTTON, 0, 0))
    {
    }
    m_ids.assign(ids, ids + count);
    SendMessageW(m_toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(m_imageSize.cx, m_imageSize.cy));
    SendMessageW(m_toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(m_imageSize.cx + 7, m_imageSize.cy + 6));
    SendMessageW(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (UINT id : m_ids)
    {
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(id);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = id == ID_SEPARATOR ? BTNS_SEP : BTNS_BUTTON;
        button.iBitmap = id == ID_SEPARATOR ? 0 : image++;
        buttons.push_back(button);
    }
    m_bVertical = false;
    return SendMessageW(m_toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

UINT CToolBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_ids[static_cast<size_t>(index)] : 0;
}

int CToolBar::CommandToIndex(UINT id) const
{
    auto at = std::find(m_ids.begin(), m_ids.end(), id);
    return at == m_ids.end() ? -1 : static_cast<int>(at - m_ids.begin());
}

int CToolBar::GetImageIndex(UINT id) const
{
    if (id == ID_SEPARATOR)
        return -1;
    int image = 0;
    for (UINT each : m_ids)
    {
        if (each == id)
            return image;
        image += each == ID_SEPARATOR ? 0 : 1;
    }
    return -1;
}

RECT CToolBar::GetItemRect(int index) const
{
    RECT r = {};
    SendMessageW(m_toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(m_toolbar, GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CToolBar::SetVertical(bool vertical)
{
    if (vertical == m_bVertical || !m_toolbar)
        return;
    m_bVertical = vertical;
    for (UINT id : m_ids)
    {
        if (id == ID_SEPARATOR)
            continue;
        LRESULT state = SendMessageW(m_toolbar, TB_GETSTATE, id, 0);
        state = vertical ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP);
        SendMessageW(m_toolbar, TB_SETSTATE, id, MAKELPARAM(state, 0));
    }
    // A change of the wrap flags alone leaves the buttons where they were: hiding and
    // showing a button lays them out again.
    auto first = std::find_if(m_ids.begin(), m_ids.end(), [](UINT id) { return id != ID_SEPARATOR; });
    if (first == m_ids.end())
        return;
    SendMessageW(m_toolbar, TB_HIDEBUTTON, *first, MAKELPARAM(TRUE, 0));
    SendMessageW(m_toolbar, TB_HIDEBUTTON, *first, MAKELPARAM(FALSE, 0));
}

SIZE CToolBar::ButtonsExtent() const
{
    SIZE extent = {0, 0};
    for (int i = 0; i < GetCount(); ++i)
    {
        RECT r = {};
        if (!SendMessageW(m_toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
            continue;
        extent.cx = (std::max)(extent.cx, r.right);
        extent.cy = (std::max)(extent.cy, r.bottom);
    }
    return extent;
}

SIZE CToolBar::CalcFixedLayout(bool stretch, bool horz)
{
    SetVertical(!horz);
    SIZE size = ButtonsExtent();
    size.cx += 2 * kMargin;
    size.cy += 2 * kMargin;
    RECT gripper = GripperRect();
    if (!IsRectEmpty(&gripper))
    {
        if (horz)
            size.cx += gripper.right - gripper.left;
        else
            size.cy += gripper.bottom - gripper.top;
    }
    if (stretch)
        (horz ? size.cx : size.cy) = 32767;
    return size;
}

SIZE CToolBar::CalcDynamicLayout(int, DWORD mode)
{
    // A floating toolbar keeps its row of buttons.
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & (LM_HORZ | LM_MRUWIDTH)) != 0);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler)
{
    CToolCmdUI item(m_toolbar);
    item.m_nIndexMax = static_cast<UINT>(GetCount());
    for (item.m_nIndex = 0; item.m_nIndex < item.m_nIndexMax; ++item.m_nIndex)
    {
        item.m_nID = m_ids[item.m_nIndex];
        if (item.m_nID != ID_SEPARATOR)
            item.DoUpdate(*target, disableIfNoHandler);
    }
}

LRESULT CToolBar::OnNotify(NMHDR& header)
{
    CFrameWnd* frame = GetDockingFrame();
    if (header.code == TTN_GETDISPINFOW)
    {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        m_tip.Empty();
        CFrameWnd::GetTipString(static_cast<UINT>(header.idFrom), m_tip);
        info.lpszText = const_cast<wchar_t*>(m_tip.GetString());
        info.hinst = nullptr;
        return 0;
    }
    if (header.code == TBN_HOTITEMCHANGE && frame && (m_dwStyle & CBRS_FLYBY))
    {
        auto& change = reinterpret_cast<NMTBHOTITEM&>(header);
        if (change.dwFlags & HICF_LEAVING)
            frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
        else
            frame->SetMessageText(static_cast<UINT>(change.idNew));
    }
    return 0;
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        if (m_toolbar)
            SetWindowPos(m_toolbar, nullptr, kMargin, kMargin, (std::max)(0, LOWORD(lParam) - 2 * kMargin),
                         (std::max)(0, HIWORD(lParam) - 2 * kMargin), SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

#include "capture/dialogs/CDlgScLastCapture.h"

#include "capture/dialogs/DialogResources.h"
#include "framework/AppModule.h"

#include <algorithm>

CDlgScLastCapture::CDlgScLastCapture(HBITMAP bitmap, HWND parent)
    : CDialog(IDD_LAST_CAPTURE, parent),
      m_bitmap(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr)
{
}

CDlgScLastCapture::~CDlgScLastCapture()
{
    DestroyWindow();
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

BOOL CDlgScLastCapture::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The program's icon when it has one; a shared system icon needs no destroying.
    m_icon = static_cast<HICON>(LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_LAST_CAPTURE), IMAGE_ICON,
                                           0, 0, LR_DEFAULTSIZE));
    SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(m_icon ? m_icon : LoadIcon(nullptr, IDI_APPLICATION)));
    SendDlgItemMessageW(GetSafeHwnd(), IDC_LAST_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(m_bitmap));
    Layout();
    return TRUE;
}

void CDlgScLastCapture::Layout()
{
    RECT client = {}, ok = {};
    GetClientRect(GetSafeHwnd(), &client);
    HWND button = GetDlgItem(IDOK);
    GetWindowRect(button, &ok);
    const int okWidth = ok.right - ok.left, okHeight = ok.bottom - ok.top;
    const int okLeft = client.right - kMargin - okWidth, okTop = client.bottom - kMargin - okHeight;
    SetWindowPos(button, nullptr, okLeft, okTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(GetDlgItem(IDC_LAST_PICTURE), nullptr, kMargin, kTopMargin,
                 std::max<int>(0, client.right - 2 * kMargin), std::max<int>(0, okTop - kMargin - kTopMargin),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

LRESULT CDlgScLastCapture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        Layout();
        break;
    case WM_GETMINMAXINFO:
    {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{kMinSize, kMinSize};
        return 0;
    }
    case WM_DESTROY:
        if (m_icon)
            DestroyIcon(m_icon);
        m_icon = nullptr;
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

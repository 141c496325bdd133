#pragma once
// CDlgScLastCapture: shows the last screen capture's picture. The picture fills the
// window between margins of 14 pixels (42 at the top) and the OK button, which keeps its
// place 14 pixels from the right and bottom edges; the window is at least 200 by 200.
#include "framework/CDialog.h"

class CDlgScLastCapture : public CDialog
{
public:
    static constexpr int kMargin = 14;
    static constexpr int kTopMargin = 42;
    static constexpr int kMinSize = 200;

    // The dialog shows a copy of the bitmap, which stays the caller's.
    explicit CDlgScLastCapture(HBITMAP bitmap, HWND parent = nullptr);
    ~CDlgScLastCapture() override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();

    HBITMAP m_bitmap;
    HICON m_icon = nullptr;
};

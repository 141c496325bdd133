#include "framework/CSCBDockContext.h"

#include "framework/CControlBar.h"

void CSCBDockContext::InitRects()
{
    RECT window;
    GetWindowRect(m_bar.GetSafeHwnd(), &window);
    auto at = [&window](SIZE size) { return RECT{window.left, window.top, window.left + size.cx, window.top + size.cy}; };
    m_rectDragHorz = at(m_bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = at(m_bar.CalcDynamicLayout(0, LM_VERTDOCK));
    m_rectFrameDragHorz = at(m_bar.CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    AdjustWindowRectEx(&m_rectFrameDragHorz, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    InflateRect(&m_rectFrameDragHorz, -2, -2);
}

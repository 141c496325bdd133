#pragma once
// CToolBar: a bar of command buttons, drawn by a common-controls toolbar that fills the
// bar. Its buttons come from an RT_TOOLBAR resource (WORDs: version 1, image width,
// image height, count, then the command ids, 0 for a separator) and its images from the
// bitmap of the same id (a strip, one image per button, light grey transparent).
// Buttons send their commands to the frame; tool tips and the status-bar prompt while
// the pointer rests on a button come from the string of the button's command id.
#include "framework/CControlBar.h"

#include <commctrl.h>
#include <vector>

class CToolBar : public CControlBar
{
public:
    static const WORD RT_TOOLBAR_ID = 241;

    ~CToolBar() override;

    // ctrlStyle: TBSTYLE_* of the toolbar control; style: window and CBRS_* styles.
    bool CreateEx(HWND parent, DWORD ctrlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, UINT id = AFX_IDW_TOOLBAR);
    // False when the resource or its bitmap is missing or not of version 1.
    bool LoadToolBar(UINT resourceId);
    // Buttons for the ids (0: separator); the images follow in order.
    bool SetButtons(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_ids.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    // The image of the command's button in GetImageList; -1 when no button has it.
    int GetImageIndex(UINT id) const;
    HIMAGELIST GetImageList() const { return m_images; }
    SIZE GetImageSize() const { return m_imageSize; }
    HWND GetToolBarCtrl() const { return m_toolbar; }
    // The button's rectangle in the bar's client coordinates.
    RECT GetItemRect(int index) const;

    SIZE CalcFixedLayout(bool stretch, bool horz) override;
    SIZE CalcDynamicLayout(int length, DWORD mode) override;
    void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Lays the buttons out in a row or, one under the other, in a column.
    void SetVertical(bool vertical);
    SIZE ButtonsExtent() const;
    LRESULT OnNotify(NMHDR& header);

    HWND m_toolbar = nullptr;
    HIMAGELIST m_images = nullptr;
    SIZE m_imageSize = {16, 15};
    std::vector<UINT> m_ids;
    CString m_tip; // the text of the last tip asked for, read by the control after the answer
    bool m_bVertical = false;
};

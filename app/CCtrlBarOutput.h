#pragma once
// CCtrlBarOutput: the "Output" docking bar: a sizing bar with a caption that the output
// window fills. Every operation does nothing while the bar has no window.
#include "capture/output/CEditViewOutput.h"
#include "framework/CSizingControlBarCF.h"

class CCtrlBarOutput : public CSizingControlBarCF
{
public:
    CCtrlBarOutput() = default;
    ~CCtrlBarOutput() override;

    // The bar, then its output window (client edge, the default GUI font); false when
    // the bar, the window or the font cannot be made.
    bool Create(const wchar_t* title, HWND parent, UINT id, DWORD style) override;

    // Appends the text as one line, keeping at most maxLines lines.
    void AppendLine(const CString& text, int maxLines);
    void TrimToLimit(int maxLines);
    std::vector<CString> GetLines() const;
    bool FindInLine(int line, const CString& text, bool matchCase);
    // True when the window is the output window (null: false).
    bool IsOutputWindow(HWND window) const;
    CEditViewOutput& GetView() { return m_view; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CEditViewOutput m_view;
    HFONT m_font = nullptr;
};

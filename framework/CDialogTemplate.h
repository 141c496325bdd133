#pragma once
// CDialogTemplate: a dialog template (from the resource module or in memory) and the one
// way the framework makes dialog windows of it. The window is bound to a window object
// as it receives WM_INITDIALOG: the object's procedure is put in front of the dialog's
// (CWnd::SubclassWindow) and handles WM_INITDIALOG and every later message, with the
// dialog manager's own handling as its default. The object owns the window.
#include "framework/CWnd.h"

#include <vector>

class CDialogTemplate
{
public:
    // The template of the resource id in the resource module, copied.
    explicit CDialogTemplate(UINT resourceId);
    // A template in memory that the caller keeps alive (DLGTEMPLATE or DLGTEMPLATEEX).
    explicit CDialogTemplate(const DLGTEMPLATE* memory) : m_memory(memory) {}

    // False when the resource could not be found.
    bool IsValid() const { return Get() != nullptr; }
    const DLGTEMPLATE* Get() const;

    DWORD GetStyle() const;
    // Changes the style of a copied template; false for a template in memory.
    bool SetStyle(DWORD style);

    // A modeless dialog window bound to the object, or null when it cannot be made.
    HWND CreateBound(CWnd& object, HWND parent) const;
    // Runs the dialog modally with the object bound; EndDialog's code, or -1 when the
    // dialog cannot be made.
    INT_PTR RunBound(CWnd& object, HWND parent) const;

private:
    std::vector<BYTE> m_copy;
    const DLGTEMPLATE* m_memory = nullptr;
};

#include "framework/CDialogTemplate.h"

#include "framework/AppModule.h"

#include <cstring>

namespace
{
const WORD kExtendedSignature = 0xFFFF;
const size_t kExtendedStyleOffset = 12;

// Where the style is: after the version, signature, help id and extended style of a
// DLGTEMPLATEEX, or first in a DLGTEMPLATE.
size_t StyleOffset(const BYTE* dialogTemplate)
{
    return reinterpret_cast<const WORD*>(dialogTemplate)[1] == kExtendedSignature ? kExtendedStyleOffset : 0;
}

// The dialog procedure of every framework dialog: it binds the object, whose procedure
// then takes WM_INITDIALOG and everything after it; for the dialog manager it handles
// nothing itself.
INT_PTR CALLBACK BindingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG || CWnd::FromHandle(dialog))
        return FALSE;
    auto* object = reinterpret_cast<CWnd*>(lParam);
    if (!object || !object->SubclassWindow(dialog, true))
        return FALSE;
    auto boundProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(dialog, GWLP_WNDPROC));
    return CallWindowProcW(boundProc, dialog, message, wParam, lParam);
}
} // namespace

CDialogTemplate::CDialogTemplate(UINT resourceId)
{
    HINSTANCE module = AppGetResourceHandle();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return;
    DWORD size = SizeofResource(module, resource);
    m_copy.resize(size);
    std::memcpy(m_copy.data(), bytes, size);
}

const DLGTEMPLATE* CDialogTemplate::Get() const
{
    if (m_memory)
        return m_memory;
    return m_copy.empty() ? nullptr : reinterpret_cast<const DLGTEMPLATE*>(m_copy.data());
}

DWORD CDialogTemplate::GetStyle() const
{
    const DLGTEMPLATE* dialogTemplate = Get();
    if (!dialogTemplate)
        return 0;
    const BYTE* start = reinterpret_cast<const BYTE*>(dialogTemplate);
    DWORD style;
    std::memcpy(&style, start + StyleOffset(start), sizeof(style));
    return style;
}

bool CDialogTemplate::SetStyle(DWORD style)
{
    if (m_memory || m_copy.size() < kExtendedStyleOffset + sizeof(style))
        return false;
    std::memcpy(m_copy.data() + StyleOffset(m_copy.data()), &style, sizeof(style));
    return true;
}

HWND CDialogTemplate::CreateBound(CWnd& object, HWND parent) const
{
    if (!IsValid() || object.GetSafeHwnd())
        return nullptr;
    HWND dialog = CreateDialogIndirectParamW(AppGetResourceHandle(), Get(), parent, &BindingDialogProc,
                                             reinterpret_cast<LPARAM>(&object));
    if (dialog && CWnd::FromHandle(dialog) != &object)
    {
        DestroyWindow(dialog);
        return nullptr;
    }
    return dialog;
}

INT_PTR CDialogTemplate::RunBound(CWnd& object, HWND parent) const
{
    if (!IsValid() || object.GetSafeHwnd())
        return -1;
    return DialogBoxIndirectParamW(AppGetResourceHandle(), Get(), parent, &BindingDialogProc,
                                   reinterpret_cast<LPARAM>(&object));
}

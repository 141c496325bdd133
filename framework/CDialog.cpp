#include "framework/CDialog.h"

#include "framework/AppMainWnd.h"
#include "framework/AppMessageLoop.h"

namespace
{
CDialog::ModalHook& ModalHookSlot()
{
    static CDialog::ModalHook hook;
    return hook;
}

// Posted to a modal dialog once initialised, so that the hook runs inside its loop.
UINT RunModalHookMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Vellumor.CDialog.RunModalHook");
    return message;
}
} // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_template(templateId), m_parent(parent)
{
}

CDialog::CDialog(const DLGTEMPLATE* dialogTemplate, HWND parent) : m_template(dialogTemplate), m_parent(parent)
{
}

CDialog::~CDialog()
{
    // Unbound and destroyed by CWnd; the loops must not keep the window.
    AppRemoveModelessDialog(GetSafeHwnd());
}

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook)
{
    ModalHook previous = std::move(ModalHookSlot());
    ModalHookSlot() = std::move(hook);
    return previous;
}

HWND CDialog::OwnerForModal() const
{
    return m_parent ? m_parent : AppGetMainWnd();
}

INT_PTR CDialog::DoModal()
{
    m_modal = true;
    m_endCode = 0;
    INT_PTR code = m_template.RunBound(*this, OwnerForModal());
    m_modal = false;
    return code;
}

bool CDialog::Create(HWND parent)
{
    if (parent)
        m_parent = parent;
    m_modal = false;
    m_endCode = 0;
    HWND dialog = m_template.CreateBound(*this, m_parent);
    AppAddModelessDialog(dialog);
    return dialog != nullptr;
}

void CDialog::EndDialog(INT_PTR code)
{
    m_endCode = code;
    if (m_modal)
        ::EndDialog(GetSafeHwnd(), code);
    else
        ShowWindow(GetSafeHwnd(), SW_HIDE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(UINT, UINT id, HWND)
{
    switch (id)
    {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DecodeCommand(message, wParam, lParam, result))
        return result;
    switch (message)
    {
    case WM_INITDIALOG:
    {
        BOOL focusFirst = OnInitDialog();
        if (m_modal && ModalHookSlot())
            PostMessageW(GetSafeHwnd(), RunModalHookMessage(), 0, 0);
        return focusFirst;
    }
    case WM_DESTROY:
        AppRemoveModelessDialog(GetSafeHwnd());
        break;
    default:
        if (message == RunModalHookMessage() && m_modal)
        {
            // Shown first, as the dialog's loop would once its queue runs empty; a copy,
            // as the hook may install another one.
            ShowWindow(GetSafeHwnd(), SW_SHOWNORMAL);
            ModalHook hook = ModalHookSlot();
            if (hook)
                hook(*this);
            return 0;
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

#include "framework/AppMessageBox.h"

namespace
{
MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

CString& Caption()
{
    static CString caption(L"Vellumor");
    return caption;
}
} // namespace

MessageBoxHandler AppSetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = Handler();
    Handler() = std::move(handler);
    return previous;
}

void AppSetMessageBoxCaption(const CString& caption)
{
    Caption() = caption;
}

int AppMessageBox(const CString& text, UINT type, HWND owner)
{
    return AppMessageBox(text, Caption(), type, owner);
}

int AppMessageBox(const CString& text, const CString& caption, UINT type, HWND owner)
{
    if (Handler())
        return Handler()(text, caption, type);
    return MessageBoxW(owner, text, caption, type);
}

int AppMessageBox(UINT stringId, UINT type, HWND owner)
{
    CString text;
    text.LoadString(stringId);
    return AppMessageBox(text, type, owner);
}

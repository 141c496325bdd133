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
}

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
    if (Handler())
        return Handler()(text, Caption(), type);
    return MessageBoxW(owner, text, Caption(), type);
}

int AppMessageBox(UINT stringId, UINT type, HWND owner)
{
    CString text;
    text.LoadString(stringId);
    return AppMessageBox(text, type, owner);
}

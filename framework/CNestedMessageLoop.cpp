#include "framework/CNestedMessageLoop.h"

bool CNestedMessageLoop::Run(const AppMessageFilter& endsLoop)
{
    MSG message;
    for (;;)
    {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            return false;
        if (got == 0)
        {
            m_quit = true;
            m_quitCode = static_cast<int>(message.wParam);
            return false;
        }
        if (endsLoop && endsLoop(message))
            return true;
        if (!AppPreTranslateMessage(message))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void CNestedMessageLoop::RepostQuit()
{
    if (!m_quit)
        return;
    m_quit = false;
    PostQuitMessage(m_quitCode);
}

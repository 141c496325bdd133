#include "hkvell/CMouseEventRelay.h"

namespace
{
const wchar_t* const kClassName = L"HkVellMouseEventRelay";
// Posted once per queued event.
const UINT kDeliverMessage = WM_APP;
} // namespace

bool CMouseEventRelay::Open(HINSTANCE module)
{
    Close();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &CMouseEventRelay::WindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    m_module = module;
    m_window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, this);
    if (!m_window)
        Close();
    return m_window != nullptr;
}

void CMouseEventRelay::Close()
{
    if (m_window)
        DestroyWindow(m_window);
    m_window = nullptr;
    // A library does not lose its classes when it is unloaded: a class left behind would
    // point at a procedure that is gone.
    if (m_module)
        UnregisterClassW(kClassName, m_module);
    m_module = nullptr;
    m_first = m_count = 0;
}

void CMouseEventRelay::Post(UINT message, const MSLLHOOKSTRUCT& event)
{
    if (!m_window || m_count == kCapacity)
        return;
    m_pending[(m_first + m_count) % kCapacity] = PendingEvent{message, event};
    ++m_count;
    if (!PostMessageW(m_window, kDeliverMessage, 0, 0))
        --m_count;
}

LRESULT CALLBACK CMouseEventRelay::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    CMouseEventRelay* relay = reinterpret_cast<CMouseEventRelay*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (message == kDeliverMessage && relay)
    {
        // The receiver may close the relay: nothing of it is used after the call.
        relay->DeliverNext();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CMouseEventRelay::DeliverNext()
{
    if (!m_count)
        return;
    // Taken out of the queue first: the receiver may pump messages, and the hook then
    // queues further events.
    const PendingEvent next = m_pending[m_first];
    m_first = (m_first + 1) % kCapacity;
    --m_count;
    m_receiver(next.message, next.event);
}

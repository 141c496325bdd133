#pragma once
// CMouseEventRelay: hands the events of a low-level mouse hook on after the hook has
// returned. Windows removes a low-level hook that overruns its time-out (about a second)
// without a word, and a receiver may run a whole capture with its destinations, so the
// hook must never wait for it. The hook queues a copy of the event and posts a message to
// a hidden window of the relay; the window's procedure hands the copy to the receiver
// when the thread next dispatches its messages.
//
// Low-level hooks run on the thread that installed them, so the window is made on that
// thread and the queue needs no lock. Each queued event has one posted message; a
// receiver that pumps messages meanwhile gets the later events in turn (nested calls).
#include <windows.h>

#include <functional>

class CMouseEventRelay
{
public:
    // Gets each event in the order of the input; the record lives during the call.
    using Receiver = std::function<void(UINT message, const MSLLHOOKSTRUCT& event)>;

    explicit CMouseEventRelay(Receiver receiver) : m_receiver(std::move(receiver)) {}
    CMouseEventRelay(const CMouseEventRelay&) = delete;
    CMouseEventRelay& operator=(const CMouseEventRelay&) = delete;
    ~CMouseEventRelay() { Close(); }

    // Makes the hidden window on the calling thread with a class of module; false when
    // it cannot be made.
    bool Open(HINSTANCE module);
    // Destroys the window; the events not handed on yet are dropped.
    void Close();
    bool IsOpen() const { return m_window != nullptr; }
    // Queues a copy of the event. When the queue is full (the thread has long stopped
    // dispatching) the event is dropped.
    void Post(UINT message, const MSLLHOOKSTRUCT& event);

private:
    struct PendingEvent
    {
        UINT message;
        MSLLHOOKSTRUCT event;
    };
    static const UINT kCapacity = 256;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DeliverNext();

    Receiver m_receiver;
    HINSTANCE m_module = nullptr;
    HWND m_window = nullptr;
    PendingEvent m_pending[kCapacity] = {};
    UINT m_first = 0;
    UINT m_count = 0;
};

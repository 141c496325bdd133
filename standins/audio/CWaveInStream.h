#pragma once
// CWaveInStream: records the default wave input (waveIn, the sound server's default
// source) in buffers of a fixed size and hands each filled buffer to a sink on a
// thread of its own, until stopped.
//
// Protocol: Start opens the input, queues every buffer and starts the thread and the
// recording; the thread waits on the input's event, passes each buffer that came back
// filled, in order, to the sink and queues it again, and tells the sink each time a
// buffer's time has passed without one (the sound server may start a recording more
// than a second late). Stop sets the stop event, resets the input (which returns the
// buffers), waits for the thread and closes the input. The sink is called only on the
// thread, never after Stop returns.
#include <windows.h>
#include <mmsystem.h>
#include <vector>

class CWaveInStream
{
public:
    class ISink
    {
    public:
        virtual void OnCaptured(const BYTE* data, DWORD bytes) = 0;
        virtual void OnQuiet() = 0;

    protected:
        ~ISink() = default;
    };

    CWaveInStream() = default;
    CWaveInStream(const CWaveInStream&) = delete;
    CWaveInStream& operator=(const CWaveInStream&) = delete;
    ~CWaveInStream() { Stop(); }

    HRESULT Start(const WAVEFORMATEX& format, DWORD bufferBytes, int bufferCount, ISink* sink);
    void Stop();

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Pump();
    void Close();

    HWAVEIN m_input = nullptr;
    HANDLE m_done = nullptr;
    HANDLE m_stop = nullptr;
    HANDLE m_thread = nullptr;
    DWORD m_bufferMs = 0;
    ISink* m_sink = nullptr;
    std::vector<std::vector<BYTE>> m_memory;
    std::vector<WAVEHDR> m_headers;
};

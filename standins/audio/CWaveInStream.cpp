#include "standins/audio/CWaveInStream.h"

#include <algorithm>

namespace
{
HRESULT FromWaveResult(MMRESULT result)
{
    return result == MMSYSERR_NOERROR ? S_OK : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x200 + result);
}
} // namespace

HRESULT CWaveInStream::Start(const WAVEFORMATEX& format, DWORD bufferBytes, int bufferCount, ISink* sink)
{
    Stop();
    m_sink = sink;
    m_bufferMs = std::max<DWORD>(1, static_cast<DWORD>(1000ULL * bufferBytes / format.nAvgBytesPerSec));
    m_done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_done || !m_stop)
    {
        Close();
        return HRESULT_FROM_WIN32(GetLastError());
    }
    WAVEFORMATEX pcm = format;
    pcm.cbSize = 0;
    HRESULT result = FromWaveResult(
        waveInOpen(&m_input, WAVE_MAPPER, &pcm, reinterpret_cast<DWORD_PTR>(m_done), 0, CALLBACK_EVENT));
    if (FAILED(result))
    {
        m_input = nullptr;
        Close();
        return result;
    }
    m_memory.assign(bufferCount, std::vector<BYTE>(bufferBytes));
    m_headers.assign(bufferCount, WAVEHDR{});
    for (int i = 0; i < bufferCount && SUCCEEDED(result); ++i)
    {
        m_headers[i].lpData = reinterpret_cast<LPSTR>(m_memory[i].data());
        m_headers[i].dwBufferLength = bufferBytes;
        result = FromWaveResult(waveInPrepareHeader(m_input, &m_headers[i], sizeof(WAVEHDR)));
        if (SUCCEEDED(result))
            result = FromWaveResult(waveInAddBuffer(m_input, &m_headers[i], sizeof(WAVEHDR)));
    }
    if (SUCCEEDED(result))
    {
        m_thread = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
        result = m_thread ? FromWaveResult(waveInStart(m_input)) : HRESULT_FROM_WIN32(GetLastError());
    }
    if (FAILED(result))
        Stop();
    return result;
}

void CWaveInStream::Stop()
{
    if (m_stop)
        SetEvent(m_stop);
    if (m_input)
        waveInReset(m_input);
    if (m_thread)
    {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    Close();
}

void CWaveInStream::Close()
{
    if (m_input)
    {
        for (WAVEHDR& header : m_headers)
            if (header.dwFlags & WHDR_PREPARED)
                waveInUnprepareHeader(m_input, &header, sizeof(WAVEHDR));
        waveInClose(m_input);
        m_input = nullptr;
    }
    for (HANDLE* handle : {&m_done, &m_stop})
        if (*handle)
        {
            CloseHandle(*handle);
            *handle = nullptr;
        }
    m_headers.clear();
    m_memory.clear();
}

DWORD WINAPI CWaveInStream::ThreadMain(void* self)
{
    static_cast<CWaveInStream*>(self)->Pump();
    return 0;
}

void CWaveInStream::Pump()
{
    const HANDLE waits[] = {m_stop, m_done};
    size_t next = 0;
    for (;;)
    {
        DWORD signalled = WaitForMultipleObjects(2, waits, FALSE, m_bufferMs);
        if (signalled == WAIT_TIMEOUT)
        {
            m_sink->OnQuiet();
            continue;
        }
        if (signalled != WAIT_OBJECT_0 + 1)
            return;
        while (m_headers[next].dwFlags & WHDR_DONE)
        {
            WAVEHDR& header = m_headers[next];
            if (WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0)
                return;
            m_sink->OnCaptured(reinterpret_cast<const BYTE*>(header.lpData), header.dwBytesRecorded);
            header.dwFlags &= ~WHDR_DONE;
            waveInAddBuffer(m_input, &header, sizeof(WAVEHDR));
            next = (next + 1) % m_headers.size();
        }
    }
}

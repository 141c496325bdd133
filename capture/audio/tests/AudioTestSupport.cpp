#include "capture/audio/tests/AudioTestSupport.h"

#include "testing/TestFiles.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace
{
const wchar_t* const kLogClass = L"VellAudioNotificationLog";

template <class Value> void Append(std::string& bytes, Value value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

// The chunk named id inside the RIFF bytes, from offset 12 on; null when none.
const char* FindChunk(const std::string& bytes, const char* id, DWORD& size)
{
    for (size_t at = 12; at + 8 <= bytes.size();)
    {
        std::memcpy(&size, bytes.data() + at + 4, sizeof(size));
        if (std::memcmp(bytes.data() + at, id, 4) == 0)
        {
            size = static_cast<DWORD>((std::min)(static_cast<size_t>(size), bytes.size() - at - 8));
            return bytes.data() + at + 8;
        }
        at += 8 + size + (size & 1);
    }
    return nullptr;
}
} // namespace

bool WriteToneWave(const CString& path, double seconds, double frequency, int peak)
{
    const DWORD rate = 44100;
    const DWORD samples = static_cast<DWORD>(seconds * rate);
    const DWORD dataBytes = samples * 2;
    std::string bytes("RIFF");
    Append<DWORD>(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    Append<DWORD>(bytes, 16);
    Append<WORD>(bytes, WAVE_FORMAT_PCM);
    Append<WORD>(bytes, 1);
    Append<DWORD>(bytes, rate);
    Append<DWORD>(bytes, rate * 2);
    Append<WORD>(bytes, 2);
    Append<WORD>(bytes, 16);
    bytes += "data";
    Append<DWORD>(bytes, dataBytes);
    for (DWORD n = 0; n < samples; ++n)
        Append<short>(bytes, static_cast<short>(peak * std::sin(2 * 3.14159265358979 * frequency * n / rate)));
    return WriteFileBytes(path, bytes);
}

bool ReadWaveFile(const CString& path, WaveFile& wave)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes) || bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 4, "WAVE") != 0)
        return false;
    DWORD formatSize = 0, dataSize = 0;
    const char* format = FindChunk(bytes, "fmt ", formatSize);
    const char* data = FindChunk(bytes, "data", dataSize);
    if (!format || !data || formatSize < 16)
        return false;
    wave.format = WAVEFORMATEX{};
    std::memcpy(&wave.format, format, 16);
    wave.data.assign(data, data + dataSize);
    return true;
}

CNotificationLog::CNotificationLog()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kLogClass;
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, kLogClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, this);
}

CNotificationLog::~CNotificationLog()
{
    DestroyWindow(m_window);
}

int CNotificationLog::Count(UINT offset) const
{
    return static_cast<int>(std::count(m_received.begin(), m_received.end(), offset));
}

LRESULT CALLBACK CNotificationLog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* log = reinterpret_cast<CNotificationLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (log && message >= WM_USER + 115 && message <= WM_USER + 122)
    {
        log->m_received.push_back(message - WM_USER);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool TakeQuitMessage()
{
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

#include "capture/audio/tests/AudioTestSupport.h"

#include "testing/TestFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

ToneMeasure MeasureTone(const WaveFile& wave, double lastSeconds)
{
    ToneMeasure tone;
    const size_t count = wave.data.size() / 2;
    const size_t rate = wave.format.nSamplesPerSec;
    const size_t wanted = static_cast<size_t>(lastSeconds * rate);
    if (wave.format.wBitsPerSample != 16 || wave.format.nChannels != 1 || count < wanted || wanted < 2)
        return tone;
    const short* samples = reinterpret_cast<const short*>(wave.data.data()) + (count - wanted);
    // The pitch from the median time between rising zero crossings (placed between the
    // samples): a dropout of the sound server, a gap or a burst, stretches only the few
    // periods it falls into.
    std::vector<double> periods;
    double lastCrossing = -1;
    for (size_t n = 1; n < wanted; ++n)
    {
        tone.peak = (std::max)(tone.peak, std::abs(static_cast<int>(samples[n])));
        if (samples[n - 1] >= 0 || samples[n] < 0)
            continue;
        const double crossing = n - 1 + samples[n - 1] / static_cast<double>(samples[n - 1] - samples[n]);
        if (lastCrossing >= 0)
            periods.push_back(crossing - lastCrossing);
        lastCrossing = crossing;
    }
    if (periods.empty())
        return tone;
    std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
    tone.frequency = rate / periods[periods.size() / 2];
    return tone;
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

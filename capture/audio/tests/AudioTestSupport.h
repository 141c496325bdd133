#pragma once
// What the audio tests share: wave files written and read, and a window that logs the
// audio engine's notifications.
#include "framework/CString.h"
#include <mmreg.h>
#include <vector>
#include <windows.h>

// A PCM wave file: its format and its sample bytes.
struct WaveFile
{
    WAVEFORMATEX format = {};
    std::vector<BYTE> data;

    double Seconds() const { return format.nAvgBytesPerSec ? double(data.size()) / format.nAvgBytesPerSec : 0; }
};

// Writes a 16-bit mono 44100 Hz sine tone of that length, frequency and peak (0..32767).
bool WriteToneWave(const CString& path, double seconds, double frequency = 440, int peak = 8000);
// Reads a PCM wave file (its "fmt " and "data" chunks); false when it is not one.
bool ReadWaveFile(const CString& path, WaveFile& wave);

// A hidden window that logs the audio notifications (WM_USER+115..122) it receives, in
// order, as offsets from WM_USER.
class CNotificationLog
{
public:
    CNotificationLog();
    ~CNotificationLog();
    CNotificationLog(const CNotificationLog&) = delete;
    CNotificationLog& operator=(const CNotificationLog&) = delete;

    HWND Window() const { return m_window; }
    const std::vector<UINT>& Received() const { return m_received; }
    // How many times WM_USER + offset arrived.
    int Count(UINT offset) const;
    void Clear() { m_received.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::vector<UINT> m_received;
};

// Takes a WM_QUIT waiting in this thread's queue; true when there was one.
bool TakeQuitMessage();

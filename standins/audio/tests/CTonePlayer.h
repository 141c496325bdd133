#pragma once
// CTonePlayer: plays a sine tone on the default wave output (into the sound server's
// null sink, whose monitor the test audio device records) until it is destroyed.
#include <windows.h>
#include <mmsystem.h>
#include <vector>

class CTonePlayer
{
public:
    // frequency in Hz (a whole number of periods fits in a second); amplitude of 16-bit
    // samples.
    CTonePlayer(int frequency, int amplitude);
    CTonePlayer(const CTonePlayer&) = delete;
    CTonePlayer& operator=(const CTonePlayer&) = delete;
    ~CTonePlayer();

    // Whether the tone is playing.
    bool IsPlaying() const { return m_playing; }

private:
    HWAVEOUT m_output = nullptr;
    WAVEHDR m_header{};
    std::vector<short> m_samples;
    bool m_playing = false;
};

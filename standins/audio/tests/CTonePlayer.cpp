#include "standins/audio/tests/CTonePlayer.h"

#include <cmath>

namespace
{
constexpr int kRate = 44100;
}

// One second of stereo tone, looped by the wave output itself.
CTonePlayer::CTonePlayer(int frequency, int amplitude) : m_samples(2 * kRate)
{
    const double step = 2 * 3.14159265358979323846 * frequency / kRate;
    for (int i = 0; i < kRate; ++i)
        m_samples[2 * i] = m_samples[2 * i + 1] = static_cast<short>(std::lround(amplitude * std::sin(step * i)));
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, kRate, 4 * kRate, 4, 16, 0};
    if (waveOutOpen(&m_output, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
    {
        m_output = nullptr;
        return;
    }
    m_header.lpData = reinterpret_cast<LPSTR>(m_samples.data());
    m_header.dwBufferLength = static_cast<DWORD>(m_samples.size() * sizeof(short));
    m_header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
    m_header.dwLoops = 100000;
    m_playing = waveOutPrepareHeader(m_output, &m_header, sizeof(m_header)) == MMSYSERR_NOERROR &&
                waveOutWrite(m_output, &m_header, sizeof(m_header)) == MMSYSERR_NOERROR;
}

CTonePlayer::~CTonePlayer()
{
    if (!m_output)
        return;
    waveOutReset(m_output);
    waveOutUnprepareHeader(m_output, &m_header, sizeof(m_header));
    waveOutClose(m_output);
}

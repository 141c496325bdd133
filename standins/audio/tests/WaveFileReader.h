#pragma once
// Reads a PCM wave file as the wave writer writes it and measures the sound in it.
#include "framework/CString.h"
#include <windows.h>
#include <mmreg.h>
#include <vector>

struct WaveFile
{
    bool valid = false;          // RIFF/WAVE with a PCM "fmt " and a "data" chunk
    DWORD riffBytes = 0;         // the RIFF chunk's size field
    DWORD fileBytes = 0;
    PCMWAVEFORMAT format{};
    DWORD dataBytes = 0;         // the data chunk's size field
    std::vector<double> samples; // the first channel, scaled to -1..1
};

WaveFile ReadWaveFile(const CString& path);

// The tone in the samples from the first one louder than threshold on, less its first
// skip seconds, measured so that a short drop-out does not change it: its frequency
// from the median period between rising zero crossings (interpolated), and its level as
// the median RMS of 20 ms blocks.
struct ToneMeasure
{
    bool found = false;
    double seconds = 0; // how long the measured part is
    double frequency = 0;
    double rms = 0;
};
ToneMeasure MeasureTone(const WaveFile& file, double threshold, double skip);
// The RMS level of all the samples.
double RmsLevel(const WaveFile& file);

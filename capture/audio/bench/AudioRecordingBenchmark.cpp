// Prints figures of audio recordings through the test audio device while a continuous
// tone plays into the sound server (the device hears what is played): for recordings of
// 10 and 60 seconds, the seconds asked, the seconds in the file, their difference, the
// start latency (the start call and the silence before the tone reaches the file), the
// gaps in the tone and the buffers dropped. Figures only: it checks nothing.
// Usage: AudioRecordingBenchmark.exe OUTPUT_FOLDER
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "capture/audio/CAudioGraph.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "framework/AppMessageLoop.h"
#include "framework/CWinApp.h"
#include "standins/audio/TestAudioIds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{
class CBenchmarkApp : public CWinApp
{
};
CBenchmarkApp theApp;

const wchar_t* const kFormat = L"0,88200,2,1,44100,16,1";
const double kBufferSeconds = 0.05;
// Blocks of 10 ms whose largest sample stays below this are silent.
const double kBlockSeconds = 0.01;
const int kSilentPeak = 500;

struct Recording
{
    double asked = 0;
    double ran = 0;
    double startCall = 0;
    WaveFile wave;
};

struct Silence
{
    double leading = 0;
    int gaps = 0;
};

// Leading silence, then the silent stretches between sounding blocks.
Silence FindSilence(const WaveFile& wave)
{
    Silence silence;
    const size_t block = static_cast<size_t>(kBlockSeconds * wave.format.nSamplesPerSec);
    const size_t count = wave.data.size() / 2;
    const short* samples = reinterpret_cast<const short*>(wave.data.data());
    bool sounding = false, inGap = false;
    for (size_t first = 0; block && first + block <= count; first += block)
    {
        int peak = 0;
        for (size_t n = first; n < first + block; ++n)
            peak = (std::max)(peak, std::abs(static_cast<int>(samples[n])));
        const bool silent = peak < kSilentPeak;
        if (!sounding)
        {
            sounding = !silent;
            if (silent)
                silence.leading += kBlockSeconds;
            continue;
        }
        if (silent && !inGap)
            ++silence.gaps;
        inGap = silent;
    }
    return silence;
}

bool Record(const CString& file, double seconds, Recording& recording)
{
    WAVEFORMATEX format;
    ParseAudioFormat(kFormat, &format);
    CAudioGraphPtr graph(new CAudioGraph());
    recording.asked = seconds;
    const DWORD start = timeGetTime();
    if (FAILED(graph->StartRecording(file, kTestAudioDeviceName, &format, L"Microphone")))
        return false;
    const DWORD started = timeGetTime();
    recording.startCall = (started - start) / 1000.0;
    AppPumpUntil([] { return false; }, static_cast<DWORD>(seconds * 1000));
    graph->StopRecording();
    recording.ran = (timeGetTime() - started) / 1000.0;
    graph.reset();
    return ReadWaveFile(file, recording.wave);
}

void Print(const Recording& recording)
{
    const double inFile = recording.wave.Seconds();
    const Silence silence = FindSilence(recording.wave);
    const double missing = recording.ran - inFile;
    const long dropped = missing > kBufferSeconds ? std::lround(missing / kBufferSeconds) : 0;
    std::printf("%4.0f s asked   ran %7.3f s  in file %7.3f s  difference %+7.1f ms  start call %6.1f ms  "
                "leading silence %6.1f ms  gaps %d  dropped buffers %ld\n",
                recording.asked, recording.ran, inFile, 1000 * (inFile - recording.ran), 1000 * recording.startCall,
                1000 * silence.leading, silence.gaps, dropped);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || !AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_HIDE))
        return 1;
    const CString folder = argv[1];
    const CString toneFile = folder + L"\\tone.wav";
    if (!WriteToneWave(toneFile, 90, 1000, 12000))
        return 1;
    CAudioGraphPtr tone(new CAudioGraph());
    tone->SetQuitOnPlaybackEnd(false);
    if (FAILED(tone->StartPlaying(toneFile, 0)))
    {
        std::printf("The tone does not play: %ls\n", GetAudioErrorText().GetString());
        return 1;
    }
    std::printf("44100 Hz, 16-bit mono through \"%ls\", a 1000 Hz tone playing, buffers of %.0f ms\n",
                kTestAudioDeviceName, 1000 * kBufferSeconds);
    for (double seconds : {10.0, 60.0})
    {
        Recording recording;
        if (!Record(folder + L"\\take.wav", seconds, recording))
        {
            std::printf("%4.0f s asked   the recording failed: %ls\n", seconds, GetAudioErrorText().GetString());
            continue;
        }
        Print(recording);
    }
    tone->StopPlaying();
    return 0;
}

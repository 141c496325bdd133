// The test audio device and the wave writer, reached as programs reach them: the device
// through the system device enumerator, the writer by the "WAV Dest" class id, recorded
// into Wine's File Writer while a tone plays into the sound server's null sink.
#include "common/DirectShowHelpers.h"
#include "framework/Handles.h"
#include "standins/audio/TestAudioIds.h"
#include "standins/audio/tests/CHandBuiltRecording.h"
#include "standins/audio/tests/CTimestampSink.h"
#include "standins/audio/tests/CTonePlayer.h"
#include "standins/audio/tests/WaveFileReader.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <cmath>
#include <evcode.h>
#include <gtest/gtest.h>

namespace
{
constexpr int kToneFrequency = 1000;
constexpr int kToneAmplitude = 16384; // half of full scale
constexpr DWORD kRecordMs = 3000;
constexpr REFERENCE_TIME kUnitsPerSecond = 10000000;
// How far the recording's length may be from the run's: within a 50 ms buffer on an idle
// machine, but a stall of the sound server at the very end of a run (shorter than the
// half second after which the device fills it with silence) is not in the file, and a
// loaded machine stalls it for a few buffers.
constexpr double kLengthToleranceSeconds = 0.25;

WAVEFORMATEX Pcm(DWORD rate, WORD bits, WORD channels)
{
    WORD block = static_cast<WORD>(bits / 8 * channels);
    return WAVEFORMATEX{WAVE_FORMAT_PCM, channels, rate, rate * block, block, bits, 0};
}

// Sets one of the named events by which a test removes the device of this process or
// brings it back.
void SetPresenceEvent(const wchar_t* format)
{
    CString name;
    name.Format(format, GetCurrentProcessId());
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, name);
    ASSERT_TRUE(event);
    SetEvent(event);
    CloseHandle(event);
}

class TestAudioStandIns : public testing::Test
{
protected:
    // Records kRecordMs of the sound through the input into a wave file, with the sound
    // also played back when audition is on; elapsed gets the time from the run to the
    // stop.
    WaveFile Record(const WAVEFORMATEX& format, const wchar_t* input, DWORD& elapsed, bool audition = false)
    {
        CString file = m_folder / L"recording.wav";
        CHandBuiltRecording recording;
        if (!recording.AddDevice(format, input) || (audition && !recording.RenderPreview()) ||
            !recording.RenderToFile(file))
            return WaveFile();
        EXPECT_HRESULT_SUCCEEDED(recording.Run());
        DWORD start = timeGetTime();
        PumpFor(kRecordMs);
        elapsed = timeGetTime() - start;
        EXPECT_HRESULT_SUCCEEDED(recording.Stop());
        return ReadWaveFile(file);
    }

    CComApartment m_apartment;
    TestFolder m_folder;
};

TEST_F(TestAudioStandIns, RecordsThePlayedToneInTheAskedFormat)
{
    CTonePlayer tone(kToneFrequency, kToneAmplitude);
    ASSERT_TRUE(tone.IsPlaying()) << "The tone could not be played into the sound server.";
    for (const WAVEFORMATEX& format : {Pcm(8000, 8, 1), Pcm(22050, 16, 1), Pcm(44100, 16, 2)})
    {
        SCOPED_TRACE(testing::Message() << format.nSamplesPerSec << " Hz, " << format.wBitsPerSample << " bits, "
                                        << format.nChannels << " channels");
        DWORD elapsed = 0;
        WaveFile file = Record(format, L"Microphone", elapsed);
        ASSERT_TRUE(file.valid) << "The recording is no PCM wave file.";
        EXPECT_EQ(0, memcmp(&file.format, &format, sizeof(PCMWAVEFORMAT)));
        EXPECT_EQ(file.fileBytes, file.dataBytes + 44) << "The header's sizes do not match the data.";
        EXPECT_EQ(file.riffBytes, file.fileBytes - 8);
        const double seconds = static_cast<double>(file.dataBytes) / format.nAvgBytesPerSec;
        EXPECT_NEAR(elapsed / 1000.0, seconds, kLengthToleranceSeconds) << "The recording's length is not the run's.";
        ToneMeasure tone = MeasureTone(file, 0.1, 0.05);
        ASSERT_TRUE(tone.found) << "The recording holds no tone.";
        EXPECT_GT(tone.seconds, 0.5);
        EXPECT_NEAR(kToneFrequency, tone.frequency, kToneFrequency * 0.01);
        // A sine's RMS is its amplitude over the square root of two: within 1 dB.
        const double expected = kToneAmplitude / 32768.0 / std::sqrt(2.0);
        EXPECT_NEAR(1.0, tone.rms / expected, 0.12);
    }
}

TEST_F(TestAudioStandIns, RecordsThroughTheSmartTeeWhileTheSoundIsPlayedBack)
{
    CTonePlayer tone(kToneFrequency, kToneAmplitude);
    ASSERT_TRUE(tone.IsPlaying());
    DWORD elapsed = 0;
    WaveFile file = Record(Pcm(44100, 16, 1), L"Microphone", elapsed, true);
    ASSERT_TRUE(file.valid);
    EXPECT_NEAR(elapsed / 1000.0, static_cast<double>(file.dataBytes) / 88200, kLengthToleranceSeconds);
    ToneMeasure measured = MeasureTone(file, 0.1, 0.05);
    ASSERT_TRUE(measured.found) << "The recording through the Smart Tee holds no tone.";
    EXPECT_NEAR(kToneFrequency, measured.frequency, kToneFrequency * 0.01);
}

TEST_F(TestAudioStandIns, HearsOnlyTheEnabledInput)
{
    CTonePlayer tone(kToneFrequency, kToneAmplitude);
    ASSERT_TRUE(tone.IsPlaying());
    DWORD elapsed = 0;
    WaveFile file = Record(Pcm(22050, 16, 1), L"Line In", elapsed);
    ASSERT_TRUE(file.valid);
    EXPECT_GT(file.dataBytes, 22050u) << "A silent input still records its length of silence.";
    EXPECT_LT(RmsLevel(file), 0.001) << "The tone on the microphone was heard through the line input.";
}

TEST_F(TestAudioStandIns, ShowsNamedInputsWithMixersAndOneCapturePin)
{
    CHandBuiltRecording recording;
    ASSERT_TRUE(recording.AddDevice(Pcm(44100, 16, 2), L"line in"));
    IBaseFilter* device = recording.Device();
    ASSERT_EQ(kTestAudioInputCount, CountPins(device, PINDIR_INPUT));
    EXPECT_EQ(1, CountPins(device, PINDIR_OUTPUT)) << "The device has a preview pin besides its capture pin.";
    for (int i = 0; i < kTestAudioInputCount; ++i)
    {
        CKitRef<IPin> pin;
        ASSERT_HRESULT_SUCCEEDED(GetPin(device, PINDIR_INPUT, i, pin.Receive()));
        PIN_INFO info{};
        pin->QueryPinInfo(&info);
        info.pFilter->Release();
        EXPECT_STREQ(kTestAudioInputs[i], info.achName);
        CKitRef<IAMAudioInputMixer> mixer;
        ASSERT_HRESULT_SUCCEEDED(pin.QueryInto(IID_IAMAudioInputMixer, mixer));
        BOOL enabled = FALSE;
        mixer->get_Enable(&enabled);
        EXPECT_EQ(i == 1, enabled != FALSE) << "Only the chosen input (its name in any case) is switched on.";
    }
    CKitRef<IPin> capture(recording.CapturePin());
    CKitRef<IKsPropertySet> properties;
    ASSERT_HRESULT_SUCCEEDED(capture.QueryInto(IID_IKsPropertySet, properties));
    GUID category = GUID_NULL;
    DWORD returned = 0;
    EXPECT_HRESULT_SUCCEEDED(
        properties->Get(AMPROPSETID_Pin, AMPROPERTY_PIN_CATEGORY, nullptr, 0, &category, sizeof(category), &returned));
    EXPECT_TRUE(category == PIN_CATEGORY_CAPTURE);
}

TEST_F(TestAudioStandIns, StreamConfigOffersTheFormatTableAndKeepsTheChosenFormat)
{
    CHandBuiltRecording recording;
    const WAVEFORMATEX asked = Pcm(11025, 8, 2);
    ASSERT_TRUE(recording.AddDevice(asked, L"Microphone"));
    CKitRef<IPin> capture(recording.CapturePin());
    CKitRef<IAMStreamConfig> config;
    ASSERT_HRESULT_SUCCEEDED(capture.QueryInto(IID_IAMStreamConfig, config));
    int count = 0, size = 0;
    ASSERT_HRESULT_SUCCEEDED(config->GetNumberOfCapabilities(&count, &size));
    EXPECT_EQ(20, count);
    EXPECT_EQ(static_cast<int>(sizeof(AUDIO_STREAM_CONFIG_CAPS)), size);
    AM_MEDIA_TYPE* type = nullptr;
    ASSERT_HRESULT_SUCCEEDED(config->GetFormat(&type));
    EXPECT_EQ(0, memcmp(type->pbFormat, &asked, sizeof(PCMWAVEFORMAT))) << "SetFormat was not kept.";
    // A format outside the device's range is refused and changes nothing.
    reinterpret_cast<WAVEFORMATEX*>(type->pbFormat)->nSamplesPerSec = 96000;
    reinterpret_cast<WAVEFORMATEX*>(type->pbFormat)->nAvgBytesPerSec = 96000 * 2;
    EXPECT_HRESULT_FAILED(config->SetFormat(type));
    CoTaskMemFree(type->pbFormat);
    CoTaskMemFree(type);
    ASSERT_HRESULT_SUCCEEDED(config->GetFormat(&type));
    EXPECT_EQ(asked.nSamplesPerSec, reinterpret_cast<WAVEFORMATEX*>(type->pbFormat)->nSamplesPerSec);
    CoTaskMemFree(type->pbFormat);
    CoTaskMemFree(type);
}

TEST_F(TestAudioStandIns, DeliversContiguousSamplesOfTheNegotiatedBuffers)
{
    const WAVEFORMATEX format = Pcm(22050, 16, 1);
    CHandBuiltRecording recording;
    ASSERT_TRUE(recording.AddDevice(format, L"Microphone"));
    CTimestampSink* sink = new CTimestampSink();
    CKitRef<IBaseFilter> held;
    *held.Receive() = sink;
    ASSERT_TRUE(recording.RenderTo(sink));
    CKitRef<IPin> capture(recording.CapturePin());
    CKitRef<IAMBufferNegotiation> negotiation;
    ASSERT_HRESULT_SUCCEEDED(capture.QueryInto(IID_IAMBufferNegotiation, negotiation));
    ALLOCATOR_PROPERTIES agreed{};
    ASSERT_HRESULT_SUCCEEDED(negotiation->GetAllocatorProperties(&agreed));
    EXPECT_EQ(6, agreed.cBuffers);
    // 50 ms in whole sample blocks.
    EXPECT_EQ(static_cast<long>(format.nAvgBytesPerSec / 20 / format.nBlockAlign * format.nBlockAlign), agreed.cbBuffer);

    ASSERT_HRESULT_SUCCEEDED(recording.Run());
    PumpUntil([&] { return sink->Samples().size() >= 10; });
    ASSERT_HRESULT_SUCCEEDED(recording.Stop());
    std::vector<CTimestampSink::Sample> samples = sink->Samples();
    ASSERT_GE(samples.size(), 10u);
    // The first sample starts at the stream time it was delivered, within the run.
    const REFERENCE_TIME origin = samples[0].start;
    EXPECT_GE(origin, 0);
    EXPECT_LT(origin, 5 * kUnitsPerSecond);
    REFERENCE_TIME bytes = 0;
    for (size_t i = 0; i < samples.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_LE(samples[i].bytes, agreed.cbBuffer);
        EXPECT_EQ(origin + bytes * kUnitsPerSecond / format.nAvgBytesPerSec, samples[i].start) << "A gap or an overlap.";
        bytes += samples[i].bytes;
        EXPECT_EQ(origin + bytes * kUnitsPerSecond / format.nAvgBytesPerSec, samples[i].stop);
    }
}

TEST_F(TestAudioStandIns, ReportsRemovalAndReturnToTheGraph)
{
    CHandBuiltRecording recording;
    ASSERT_TRUE(recording.AddDevice(Pcm(22050, 16, 1), L"Microphone"));
    ASSERT_TRUE(recording.RenderToFile(m_folder / L"lost.wav"));
    ASSERT_HRESULT_SUCCEEDED(recording.Run());
    CKitRef<IUnknown> device;
    recording.Device()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(device.Receive()));

    SetPresenceEvent(kTestAudioRemoveEventFormat);
    LONG_PTR param1 = 0, param2 = -1;
    ASSERT_TRUE(recording.WaitForEvent(EC_DEVICE_LOST, param1, param2)) << "No device-lost event after the removal.";
    EXPECT_EQ(0, param2);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(device.Get()), param1);
    // A removed device delivers nothing, also to a graph built meanwhile.
    CTimestampSink* sink = new CTimestampSink();
    CKitRef<IBaseFilter> held;
    *held.Receive() = sink;
    {
        CHandBuiltRecording second;
        ASSERT_TRUE(second.AddDevice(Pcm(22050, 16, 1), L"Microphone"));
        ASSERT_TRUE(second.RenderTo(sink));
        ASSERT_HRESULT_SUCCEEDED(second.Run());
        PumpFor(300);
        EXPECT_HRESULT_SUCCEEDED(second.Stop());
    }
    EXPECT_TRUE(sink->Samples().empty());

    SetPresenceEvent(kTestAudioReturnEventFormat);
    ASSERT_TRUE(recording.WaitForEvent(EC_DEVICE_LOST, param1, param2)) << "No device-lost event after the return.";
    EXPECT_EQ(1, param2);
    EXPECT_HRESULT_SUCCEEDED(recording.Stop());
}
} // namespace

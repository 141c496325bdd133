#pragma once
// What the test audio stand-ins show the programs that use them: the class ids, the
// test device's friendly name and input pins, and the names of the events by which a
// test removes the device and brings it back.
#include <windows.h>

// The test audio device, listed among the audio input devices.
// {46d6ef8d-29e7-4317-a5ed-3bc24df1fb09}
const CLSID CLSID_TestAudioDevice = {0x46d6ef8d, 0x29e7, 0x4317, {0xa5, 0xed, 0x3b, 0xc2, 0x4d, 0xf1, 0xfb, 0x09}};
// The wave writer, under the class id of the "WAV Dest" filter.
// {3C78B8E2-6C4D-11D1-ADE2-0000F8754B99}
const CLSID CLSID_WavDest = {0x3c78b8e2, 0x6c4d, 0x11d1, {0xad, 0xe2, 0x00, 0x00, 0xf8, 0x75, 0x4b, 0x99}};

constexpr wchar_t kTestAudioDeviceName[] = L"Test Audio Device";
constexpr wchar_t kWavDestName[] = L"WAV Dest";

// The device's input pins. Only the microphone hears something: the sound server's
// default source (the monitor of what is played); the other inputs are silent lines.
constexpr const wchar_t* kTestAudioInputs[] = {L"Microphone", L"Line In", L"CD Audio"};
constexpr int kTestAudioInputCount = 3;
constexpr wchar_t kTestAudioCapturePin[] = L"Capture";

// Auto-reset events named with the id of the process that holds the device (%lu):
// setting the first removes the device of that process, setting the second brings it
// back (once a device of that process has been put in a graph). Every device of that
// process that is in a graph then sends EC_DEVICE_LOST to its graph, with its IUnknown
// (no reference added) and 0 (removed) or 1 (back). A removed device delivers
// nothing, also when a graph runs it meanwhile.
constexpr wchar_t kTestAudioRemoveEventFormat[] = L"Local\\VellTestAudioDevice.Remove.%lu";
constexpr wchar_t kTestAudioReturnEventFormat[] = L"Local\\VellTestAudioDevice.Return.%lu";

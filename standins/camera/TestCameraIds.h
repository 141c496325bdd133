#pragma once
// What the test camera stand-ins show the programs that use them: the class ids, the
// camera's friendly name and pins, the key of its switches and the AVI multiplexer's
// class id (the platform's own).
#include <windows.h>
#include <strmif.h>

// The test camera, listed among the video input devices.
// {8f1c2a4e-5b7d-4c39-9e61-2d0a7b3c5e91}
const CLSID CLSID_TestCamera = {0x8f1c2a4e, 0x5b7d, 0x4c39, {0x9e, 0x61, 0x2d, 0x0a, 0x7b, 0x3c, 0x5e, 0x91}};
// The AVI multiplexer, under the platform's class id.
// {E2510970-F137-11CE-8B67-00AA00A3F1A6}
const CLSID CLSID_TestAviMux = {0xe2510970, 0xf137, 0x11ce, {0x8b, 0x67, 0x00, 0xaa, 0x00, 0xa3, 0xf1, 0xa6}};

// The property page that the camera and its pins offer (ISpecifyPropertyPages).
// {8f1c2a4f-5b7d-4c39-9e61-2d0a7b3c5e91}
const CLSID CLSID_TestCameraPage = {0x8f1c2a4f, 0x5b7d, 0x4c39, {0x9e, 0x61, 0x2d, 0x0a, 0x7b, 0x3c, 0x5e, 0x91}};

constexpr wchar_t kTestCameraName[] = L"Test Camera";
// The page's title; its window shows kTestCameraPageText and the name of the object
// it was opened for (the filter's friendly name or the pin's name).
constexpr wchar_t kTestCameraPageTitle[] = L"Test Camera";
constexpr wchar_t kTestCameraPageText[] = L"Test camera settings: ";
constexpr wchar_t kTestAviMuxName[] = L"AVI Mux";
constexpr wchar_t kTestCameraCapturePin[] = L"Capture";
constexpr wchar_t kTestCameraPreviewPin[] = L"Preview";

// Switches a test sets under HKEY_CURRENT_USER before it binds a camera (DWORD values,
// nonzero on): the camera has no preview pin; its capture pin delivers an interleaved
// stream; it offers the driver dialogs of an old-style capture driver; it has a crossbar
// and a TV tuner in front.
constexpr wchar_t kTestCameraSwitchKey[] = L"Software\\Vellumor Test Camera";
constexpr wchar_t kTestCameraNoPreview[] = L"NoPreviewPin";
constexpr wchar_t kTestCameraInterleaved[] = L"Interleaved";
constexpr wchar_t kTestCameraDriverDialogs[] = L"DriverDialogs";
// The camera has an analogue video input fed by a crossbar and a TV tuner (CTestCrossbar,
// CTestTvTuner), which it puts into the graph it joins.
constexpr wchar_t kTestCameraCrossbar[] = L"Crossbar";
constexpr wchar_t kTestCrossbarName[] = L"Test Crossbar";
constexpr wchar_t kTestTvTunerName[] = L"Test TV Tuner";
constexpr wchar_t kTestCameraAnalogPin[] = L"Analog Video In";
// The size a camera starts with (DWORD values; one of the sizes below).
constexpr wchar_t kTestCameraWidth[] = L"Width";
constexpr wchar_t kTestCameraHeight[] = L"Height";

// The camera's frames: 32-bit RGB, 320 x 240 (or the size of the switches) at 30 frames
// a second unless the stream configuration chooses another size and frame time.
constexpr int kTestCameraSizes[][2] = {{320, 240}, {640, 480}, {1280, 720}, {1920, 1080}};
constexpr int kTestCameraSizeCount = 4;
constexpr REFERENCE_TIME kTestCameraDefaultFrameTime = 333333;

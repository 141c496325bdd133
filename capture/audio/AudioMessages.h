#pragma once
// What the audio engine sends its notify target (SendMessage, wParam 0, lParam 0) at
// each change of a graph's state, and the message that carries a graph's events to the
// engine's notification window.
#include <windows.h>

const UINT WM_AUDIO_RECORDING_STARTED = WM_USER + 115; // also after the device came back
const UINT WM_AUDIO_RECORDING_STOPPED = WM_USER + 116; // also after the device was removed
const UINT WM_AUDIO_RECORDING_PAUSED = WM_USER + 117;
const UINT WM_AUDIO_RECORDING_RESUMED = WM_USER + 118;
const UINT WM_AUDIO_PLAYING_STARTED = WM_USER + 119; // each pass of a playback with repeats
const UINT WM_AUDIO_PLAYING_STOPPED = WM_USER + 120;
const UINT WM_AUDIO_PLAYING_PAUSED = WM_USER + 121;
const UINT WM_AUDIO_PLAYING_RESUMED = WM_USER + 122;

// A graph has events waiting: lParam kRecordGraphEvents or kPlayGraphEvents.
const UINT WM_AUDIO_GRAPH_EVENT = WM_APP + 1;
const LONG_PTR kRecordGraphEvents = 0;
const LONG_PTR kPlayGraphEvents = 1;

#pragma once
// The video recorder window's menu (resource 249) and its commands, and the messages
// it sends its owner.
#ifndef RC_INVOKED
#include <windows.h>
#endif

#define IDR_VIDEO_RECORDER_MENU 249

#define ID_RECORDER_SET_CAPTURE_FILE 32801
#define ID_RECORDER_START 32803
#define ID_RECORDER_STOP 32804
#define ID_RECORDER_CLOSED_CAPTIONING 32805
#define ID_RECORDER_CAPTURE_AUDIO 32806
#define ID_RECORDER_AUDIO_FORMAT 32807
#define ID_RECORDER_FRAME_RATE 32808
#define ID_RECORDER_PREVIEW 32809
#define ID_RECORDER_VIDEO_DEVICE_FIRST 32810
#define ID_RECORDER_AUDIO_DEVICE_FIRST 32820
#define ID_RECORDER_MASTER_NONE 32831
#define ID_RECORDER_MASTER_AUDIO 32832
#define ID_RECORDER_MASTER_VIDEO 32833
#define ID_RECORDER_DIALOG_FIRST 32834
#define ID_RECORDER_DIALOG_LAST 32849
#define ID_RECORDER_MPEG2 32850
#define ID_RECORDER_PAUSE 32851
#define ID_RECORDER_RESUME 32852

#ifndef RC_INVOKED
// The number of devices of one kind the Devices menu lists.
const int kRecorderDeviceSlots = 10;

// Sent to the owner (wParam and lParam 0) while it is told: a capture started, stopped,
// paused, resumed; the user chose a capture file other than the record's (the last of
// these the owner gets).
const UINT WM_MANAGER_STARTED = WM_USER + 123;
const UINT WM_MANAGER_STOPPED = WM_USER + 124;
const UINT WM_MANAGER_PAUSED = WM_USER + 125;
const UINT WM_MANAGER_RESUMED = WM_USER + 126;
const UINT WM_MANAGER_OTHER_FILE = WM_USER + 132;
// Posted to the owner when the window shut itself down (its user closed it, or the
// session ends): the owner deletes the recorder.
const UINT WM_CLOSE_VIDEO_WINDOW = WM_USER + 133;
// The capture graph's events, at the recorder window itself.
const UINT WM_RECORDER_GRAPH_EVENT = WM_APP + 3;
#endif

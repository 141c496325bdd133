#pragma once
// The video player window's resources (the program's icon and the player's menu), its
// menu commands and the messages it sends its owner.
#ifndef RC_INVOKED
#include <windows.h>
#endif

#define IDI_VELLUMOR 128
#define IDR_VIDEO_PLAYER_MENU 236

#define ID_PLAYER_OPEN 32771
#define ID_PLAYER_PLAY 32772
#define ID_PLAYER_PAUSE 32773
#define ID_PLAYER_RESUME 32774
#define ID_PLAYER_STOP 32775
#define ID_PLAYER_CLOSE 32776
#define ID_PLAYER_MUTE 32777
#define ID_PLAYER_FULL_SCREEN 32778
#define ID_PLAYER_SIZE_SELECTED 32779
#define ID_PLAYER_SIZE_NORMAL 32780
#define ID_PLAYER_SIZE_HALF 32781
#define ID_PLAYER_SIZE_DOUBLE 32782
#define ID_PLAYER_SIZE_THREE_QUARTER 32784
#define ID_PLAYER_RATE_INCREASE 32785
#define ID_PLAYER_RATE_DECREASE 32786
#define ID_PLAYER_RATE_NORMAL 32787
#define ID_PLAYER_RATE_DOUBLE 32788
#define ID_PLAYER_RATE_HALF 32799
#define ID_PLAYER_FRAME_STEP 32800
#define ID_PLAYER_FRAME_BACK_STEP 32883

#ifndef RC_INVOKED
// Sent to the owner (wParam and lParam 0) while it is told: playing started, stopped
// (or the file closed), paused, resumed; the user opened another file (the last
// message the owner gets before WM_PLAYER_CLOSED).
const UINT WM_PLAYER_STARTED = WM_USER + 127;
const UINT WM_PLAYER_STOPPED = WM_USER + 128;
const UINT WM_PLAYER_PAUSED = WM_USER + 129;
const UINT WM_PLAYER_RESUMED = WM_USER + 130;
const UINT WM_PLAYER_OTHER_FILE = WM_USER + 131;
// Posted to the owner when the user has closed the window: the owner deletes the player.
const UINT WM_PLAYER_CLOSED = WM_USER + 134;
// The graph's events, at the player window itself.
const UINT WM_PLAYER_GRAPH_EVENT = WM_APP + 2;
#endif

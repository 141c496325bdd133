#pragma once
// Ids of the capture actions shared by the main menu, the toolbars and the action
// pop-up menus, of those pop-up menus, and of the controller's texts
// (capture/controller/Controller.rc).

// Commands.
#define ID_APP_OPEN 133
#define ID_HELP_CONTENTS 135
#define ID_CAPTURE_RECORD 251
#define ID_CAPTURE_STOP 255
#define ID_CAPTURE_REPEAT_LAST 284
#define ID_CAPTURE_SHOW_LAST 285
#define ID_CAPTURE_PLAY 291
#define ID_CAPTURE_PAUSE 292
#define ID_CAPTURE_RESUME 293
#define ID_APP_EXIT 57665

// The action pop-up menus: screen capture; training; audio, video and movie capture.
#define IDR_ACTIONS_SCREEN 129
#define IDR_ACTIONS_TRAINING 256
#define IDR_ACTIONS_MEDIA 257

// Texts.
#define IDS_REGISTRY_WRITE_FAILED 122
#define IDS_ICQ_NOT_AVAILABLE 123

#pragma once
// Ids of the main program's resources (app/Vellumor.rc): its menu, toolbars, accelerators,
// texts, dialogs, bars and commands. The capture actions' ids are shared with the action
// pop-up menus (capture/controller/ActionIds.h), the Edit commands with every text view.
#include "capture/controller/ActionIds.h"
#include "capture/video/VideoPlayerIds.h"
#include "framework/EditCommandIds.h"

// The frame's menu, main toolbar and accelerators; the miscellaneous toolbar.
#define IDR_MAINFRAME 128
#define IDR_TOOLBAR_MISC 314

// Dialogs: About, the settings view, the properties view.
#define IDD_ABOUTBOX 100
#define IDD_FORM_SETTINGS 291
#define IDD_FORM_PROPERTIES 292

// Controls of those dialogs.
#define IDC_ABOUT_LINK 1493
#define IDC_PROPS_DISPLAY_FLAG 1510
#define IDC_PROPS_FRAME 1512
#define IDC_PROPS_SAVE 1513
#define IDC_PROPS_REVERT 1514
#define IDC_SETTINGS_FRAME 1515
#define IDC_PROPS_ICON 1517
#define IDC_PROPS_TITLE 1508

// Bars: the miscellaneous toolbar, the output bar, the capture-types bar.
#define IDW_TOOLBAR_MISC 122
#define IDW_BAR_OUTPUT 1963
#define IDW_BAR_CAPTURE_TYPES 1964

// Commands of the menus and toolbars.
#define ID_VIEW_OUTPUT 286
#define ID_TOOLS_ERRORS_LOG 288
#define ID_TOOLS_TASKS_MANAGER 289
#define ID_TOOLS_FIND 290
#define ID_VIEW_CAPTURE_TYPES 32853
#define ID_VIEW_HIDE 32855
#define ID_TOOLS_OPTIONS 32858
#define ID_VIEW_TOOLBAR_MISC 32872
#define ID_FILE_OPEN_CONFIG 32876
#define ID_FILE_SAVE_CONFIG 32877
#define ID_FILE_MRU_FIRST 353
#define ID_FILE_MRU_LAST 360
#define ID_FILE_PAGE_SETUP 57605
#define ID_FILE_PRINT 57607
#define ID_APP_ABOUT 57664
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Commands that other components send without a menu entry.
#define ID_HOTKEY_RECORD 1131
#define ID_HOTKEY_PLAY 1135
#define ID_HOTKEY_REPEAT_LAST 1125
#define ID_HOTKEY_CAPTURE_FOREGROUND 1126
#define ID_HOTKEY_CAPTURE_DESKTOP 1127
#define ID_HOTKEY_PAUSE 1133
#define ID_HOTKEY_PAUSE2 1137
#define ID_HOTKEY_RESUME 1134
#define ID_HOTKEY_RESUME2 1138
#define ID_HOTKEY_STOP 1232
#define ID_HOTKEY_STOP2 1233

// Texts.
#define IDS_PROPERTIES_MODIFIED 125
#define IDS_INVALID_EXTENSION 186
#define IDS_SOCKETS_FAILED 187
#define IDS_NO_SELECTION 252
#define IDS_DIRECTX_VERSION 254
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345

#pragma once
// Ids of the small dialogs' templates, controls and texts (capture/dialogs/Dialogs.rc).

// Errors log.
#define IDD_LOGS 167
#define IDC_LOG_LIST 1500
#define IDC_LOG_EXPORT 1102
#define IDC_LOG_CLEAR 1103

// Options.
#define IDD_OPTIONS 311
#define IDC_OPTS_MAX_LINES 1495
#define IDC_OPTS_ERROR_LOG 1527
#define IDC_OPTS_DATA 1528

// Selection type of a timed capture.
#define IDD_SELECTION_TYPE 335
#define IDC_SEL_TYPE 1255
#define IDC_SEL_TEXT 1256
#define IDC_SEL_LABEL 1257
#define IDC_SEL_USE_MOUSE 1288
#define IDC_SEL_HIDE 1485
#define IDC_SEL_USE_SELECTION 1600
#define IDC_SEL_MANUAL 1599

// Last screen capture.
#define IDD_LAST_CAPTURE 308
#define IDC_LAST_PICTURE 1525
#define IDI_LAST_CAPTURE 128

// Video frame rate.
#define IDD_FRAME_RATE 1484
#define IDC_RATE_USE 1485
#define IDC_RATE_LABEL 1486
#define IDC_RATE_EDIT 1487
#define IDC_RATE_SPIN 1488
#define IDC_RATE_UNIT 1489

// Texts.
#define IDS_SEL_FREE_HAND 163
#define IDS_SEL_POLYGON 165
#define IDS_SEL_RECTANGLE 166
#define IDS_SEL_ELLIPSE 167
#define IDS_SEL_WINDOW 170
#define IDS_SEL_ACTIVE_WINDOW 173
#define IDS_SEL_DESKTOP 174
#define IDS_SEL_NO_TEXT 175
#define IDS_SEL_INVALID 176
#define IDS_SEL_THREE_POINTS 177
#define IDS_SEL_FOUR_VALUES 178

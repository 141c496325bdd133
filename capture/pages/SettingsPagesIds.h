#pragma once
// Ids of the capture-settings pages' dialogs, controls and media
// (capture/pages/SettingsPages.rc).

// Dialogs.
#define IDD_SETTS_SC_SEL_TYPE 293
#define IDD_SETTS_SC_MISC 295
#define IDD_SETTS_CBT_HOT_KEYS 326
#define IDD_SETTS_COMMON_TIME 380

// The hint icon of the Hot Keys and Selection Type pages and the Time/Action page's clip.
#define IDI_SETTS_HINT 325
#define IDI_SETTS_HINT_IMAGE 3250
#define IDR_SETTS_ACTION_ANIMATION 344

// Hot Keys and Selection Type pages.
#define IDC_SETTS_HINT_ICON 1549
#define IDC_SETTS_CBT_HOT_KEYS 1550
#define IDC_SETTS_SEL_TYPE 1007

// Miscellaneous page.
#define IDC_SETTS_SHOW_SIZE 1028
#define IDC_SETTS_RLC 1032
#define IDC_SETTS_HOLD_TIME 1034
#define IDC_SETTS_CAPTURE_CURSOR 1660

// Time/Action page.
#define IDC_TIME_ACTION_TEXT 1653
#define IDC_TIME_ANIMATION 1654
#define IDC_TIME_ELAPSED 1655
#define IDC_TIME_TOTAL 1656
#define IDC_TIME_TOTAL_LABEL 1657
#define IDC_TIME_ELAPSED_LABEL 1658

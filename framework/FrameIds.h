#pragma once
// Window ids, string ids, styles and messages of frames and control bars. The numbers are
// the ones resource files and other programs of the class library's world already use.
#include <windows.h>

// Child window ids of a frame.
const UINT AFX_IDW_TOOLBAR = 0xE800;       // the standard toolbar (59392)
const UINT AFX_IDW_STATUS_BAR = 0xE801;    // the status bar (59393)
const UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;   // 59419
const UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;  // 59420
const UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D; // 59421
const UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
const UINT AFX_IDW_DOCKBAR_FLOAT = 0xE81F; // the dock bar inside a floating mini frame
const UINT AFX_IDW_PANE_FIRST = 0xE900;    // the view (or splitter) filling the rest (59648)

// Commands and strings.
const UINT ID_SEPARATOR = 0;
const UINT ID_VIEW_TOOLBAR = 0xE800;
const UINT ID_VIEW_STATUS_BAR = 0xE801;
const UINT ID_INDICATOR_CAPS = 0xE701;
const UINT ID_INDICATOR_NUM = 0xE702;
const UINT ID_INDICATOR_SCRL = 0xE703;
const UINT AFX_IDS_IDLEMESSAGE = 0xE001; // "Ready"
const UINT AFX_IDS_HIDE = 0xF011;        // the system menu's Close item of a floating bar

// Control-bar styles (the low 16 bits and the gripper bit of a bar's style).
const DWORD CBRS_FLOATING = 0x0001;
const DWORD CBRS_SIZE_FIXED = 0x0004;
const DWORD CBRS_TOOLTIPS = 0x0010;
const DWORD CBRS_FLYBY = 0x0020;
const DWORD CBRS_FLOAT_MULTI = 0x0040;
const DWORD CBRS_SIZE_DYNAMIC = 0x0080;
const DWORD CBRS_BORDER_LEFT = 0x0100;
const DWORD CBRS_BORDER_TOP = 0x0200;
const DWORD CBRS_BORDER_RIGHT = 0x0400;
const DWORD CBRS_BORDER_BOTTOM = 0x0800;
const DWORD CBRS_ALIGN_LEFT = 0x1000;
const DWORD CBRS_ALIGN_TOP = 0x2000;
const DWORD CBRS_ALIGN_RIGHT = 0x4000;
const DWORD CBRS_ALIGN_BOTTOM = 0x8000;
const DWORD CBRS_ALIGN_ANY = 0xF000;
const DWORD CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
const DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
const DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
const DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
const DWORD CBRS_GRIPPER = 0x00400000;
const DWORD CBRS_ALL = 0x0040FFFF; // the bits a bar keeps for itself, off its window style
const DWORD CBRS_FLOAT_ALL = CBRS_ALIGN_ANY; // EnableDocking: every side

// Layout modes of CControlBar::CalcDynamicLayout.
const DWORD LM_STRETCH = 0x01;
const DWORD LM_HORZ = 0x02;
const DWORD LM_MRUWIDTH = 0x04;
const DWORD LM_HORZDOCK = 0x08;
const DWORD LM_VERTDOCK = 0x10;
const DWORD LM_LENGTHY = 0x20;
const DWORD LM_COMMIT = 0x40;

// Styles of a floating mini frame (its own bits of the window style's low word).
const DWORD MFS_SYNCACTIVE = 0x0100;
const DWORD MFS_4THICKFRAME = 0x0200;
const DWORD MFS_THICKFRAME = 0x0400;
const DWORD MFS_MOVEFRAME = 0x0800;
const DWORD FWS_SNAPTOBARS = 0x1000;
const DWORD MFS_BLOCKSYSMENU = 0x2000;

// Messages among a frame and its bars.
const UINT WM_SIZEPARENT = 0x0361;       // lParam: AFX_SIZEPARENTPARAMS*, the bar takes its room
const UINT WM_SETMESSAGESTRING = 0x0362; // wParam: string id, or lParam: text, for the message pane
const UINT WM_IDLEUPDATECMDUI = 0x0363;  // bring the bars' buttons up to date
const UINT WM_RECALCLAYOUT = 0x0364;     // a delayed layout of the frame

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;   // null: only the room is worked out (a query)
    RECT rect;   // the room still free; each bar takes its part
    SIZE sizeTotal;
    BOOL bStretch;
};

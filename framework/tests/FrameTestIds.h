#pragma once
// Resource ids of the frame, toolbar and docking tests.
#define IDM_TEST_MENU 200
#define IDR_TEST_TOOLBAR 300
#define IDR_BAD_TOOLBAR 301
#define ID_CMD_FRAME 1001
#define ID_CMD_VIEW 1002
#define ID_CMD_APP 1003
#define ID_CMD_DISABLED 1004
#define ID_CMD_UNHANDLED 1005
#define ID_CMD_CHECKED 1006

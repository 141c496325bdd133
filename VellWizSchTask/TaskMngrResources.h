#pragma once
// Resource ids of the tasks manager.
#define IDD_TASKS 701
#define IDD_ABOUT_TASKS 769
#define IDI_TASKS 768
#define IDC_TASKS_LIST 1290
#define IDC_TASKS_ADD 3
#define IDC_TASKS_MODIFY 4
#define IDC_TASKS_DELETE 5
#define IDS_TASKS_ABOUT 767
#define IDS_TASKS_DELETE_FAILED 710
#define IDM_TASKS_ABOUT 16

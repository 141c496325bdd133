#pragma once
// CTasksManagerApp: the tasks manager's application object. It runs the task list dialog
// once, modally, and records that the program has run on its own since (the stand-alone
// flag VellWizSa, which the main program clears before it starts this program).
#include "framework/CWinApp.h"

class CTasksManagerApp : public CWinApp
{
public:
    // Reads the stand-alone flag, runs the dialog, sets the flag. Always false: the
    // program ends when the dialog closes.
    bool InitInstance();

    bool m_standAlone = false;
};

// The key and value of the stand-alone flag under HKEY_LOCAL_MACHINE.
extern const wchar_t kWizSaKey[];
extern const wchar_t kWizSaValue[];

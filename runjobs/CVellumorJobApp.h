#pragma once
// CVellumorJobApp: the job runner's application object. It adds nothing to the
// framework's; it exists so that the framework can start in a console program.
#include "framework/CWinApp.h"

class CVellumorJobApp : public CWinApp
{
};

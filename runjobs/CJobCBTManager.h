#pragma once
// CJobCBTManager: the job build of the training manager. It shows no dialog, refuses a
// second start, and records or plays inside its own message loop until its stop posts the
// quit message: Record and Play return when the recording or playing has ended.
#include "capture/training/CCBTManager.h"

class CJobCBTManager : public CCBTManager
{
public:
    CJobCBTManager() : CCBTManager(nullptr, Mode::Job) {}
};

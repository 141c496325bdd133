#pragma once
// ICaptureStepTarget: what a step timer window (CWndTimer) calls back into: the
// controller that stops the current capture type's recording when the step's time
// is up.
class ICaptureStepTarget
{
public:
    virtual ~ICaptureStepTarget() = default;

    // The step's duration has passed: stop the running recording. The target may
    // delete the timer window from here (through CWndTimer::Delete).
    virtual void StopStep() = 0;
};

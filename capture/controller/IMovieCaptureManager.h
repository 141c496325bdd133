#pragma once
// IMovieCaptureManager: the movie manager as the controller sees it: a media manager
// that records screen selections and so shares the screen manager's selection settings
// and owner.
#include "capture/controller/IMediaCaptureManager.h"

class ICaptureOwner;

class IMovieCaptureManager : public IMediaCaptureManager
{
public:
    // The screen settings a movie's selection follows: the selection type (also the
    // type of a timed selection), the right-button hold time, the size label and
    // whether the cursor is painted into the frames.
    virtual void SetSelectionSettings(int selectionType, int holdTime, bool showSize, bool captureCursor) = 0;
    virtual void SetOwner(ICaptureOwner* owner) = 0;
    virtual bool WasLastCaptureSuccessful() = 0;
};

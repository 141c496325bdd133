#pragma once
// CPPagePropsVideoPlaying: the page of a video playback. Its normal-size switch starts
// from the registry value "VideoNormalSize".
#include "capture/pages/CPPagePropsPlayerWindow.h"

class CPPagePropsVideoPlaying : public CPPagePropsPlayerWindow<InfoVideoPlaying>
{
public:
    CPPagePropsVideoPlaying();
};

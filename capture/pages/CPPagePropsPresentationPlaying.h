#pragma once
// CPPagePropsPresentationPlaying: the page of a movie playback. Its normal-size switch
// starts from the registry value "PresNormalSize".
#include "capture/pages/CPPagePropsPlayerWindow.h"

class CPPagePropsPresentationPlaying : public CPPagePropsPlayerWindow<InfoPresentationPlaying>
{
public:
    CPPagePropsPresentationPlaying();
};

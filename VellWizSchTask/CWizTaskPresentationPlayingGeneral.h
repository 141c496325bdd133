#pragma once
// CWizTaskPresentationPlayingGeneral: the wizard page of a scheduled movie playback: the
// movie file, how long it plays and how often it repeats, its window and its sound.
#include "Info/InfoPresentationPlaying.h"
#include "VellWizSchTask/CWizTaskPlayingPage.h"

class CWizTaskPresentationPlayingGeneral : public CWizTaskPlayingPage
{
public:
    explicit CWizTaskPresentationPlayingGeneral(CWizTaskPropSheet& sheet);

    InfoPresentationPlaying m_record;
};

#pragma once
// CWizTaskVideoPlaying: the wizard page of a scheduled video playback: the video file, how
// long it plays and how often it repeats, its window and its sound.
#include "Info/InfoVideoPlaying.h"
#include "VellWizSchTask/CWizTaskPlayingPage.h"

class CWizTaskVideoPlaying : public CWizTaskPlayingPage
{
public:
    explicit CWizTaskVideoPlaying(CWizTaskPropSheet& sheet);

    InfoVideoPlaying m_record;
};

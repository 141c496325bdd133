#pragma once
// CWizTaskAudioPlaying: the wizard page of a scheduled audio playback: the sound file,
// how long it plays and how often it repeats (a playing page without window).
#include "Info/InfoAudioPlaying.h"
#include "VellWizSchTask/CWizTaskPlayingPage.h"

class CWizTaskAudioPlaying : public CWizTaskPlayingPage
{
public:
    explicit CWizTaskAudioPlaying(CWizTaskPropSheet& sheet);

    InfoAudioPlaying m_record;
};

#pragma once
// InfoPresentationPlaying: how a movie capture is played back. The same values as the
// video playback, kept under the movie key.
#include "Info/InfoVideoPlaying.h"

class INFO_API InfoPresentationPlaying : public InfoVideoPlaying
{
public:
    InfoPresentationPlaying();
    InfoPresentationPlaying(const CString& playFName, unsigned int playDuration, int playRepeat, bool playShowDlg,
                            bool playAudio, int playWndLeft, int playWndTop, int playWndWidth, int playWndHeight);
    InfoPresentationPlaying(const InfoPresentationPlaying& other);
    InfoPresentationPlaying& operator=(const InfoPresentationPlaying& other);
    ~InfoPresentationPlaying() override;

    EnumSendParam GetType() const override { return SP_PRESENTATION_PLAYING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
};

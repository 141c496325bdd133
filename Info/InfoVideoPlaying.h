#pragma once
// InfoVideoPlaying: how a video capture is played back, and in which window.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoVideoPlaying : public SendParam
{
public:
    InfoVideoPlaying();
    InfoVideoPlaying(const CString& playFName, unsigned int playDuration, int playRepeat, bool playShowDlg,
                     bool playAudio, int playWndLeft, int playWndTop, int playWndWidth, int playWndHeight);
    InfoVideoPlaying(const InfoVideoPlaying& other);
    InfoVideoPlaying& operator=(const InfoVideoPlaying& other);
    bool operator==(const InfoVideoPlaying& other) const;
    ~InfoVideoPlaying() override;

    EnumSendParam GetType() const override { return SP_VIDEO_PLAYING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return PlayShowDlg; }

    CString PlayFName; // full path of the file played
    unsigned int PlayDuration;
    int PlayRepeat;
    bool PlayShowDlg;
    bool PlayAudio;
    int PlayWndLeft;
    int PlayWndTop;
    int PlayWndWidth;
    int PlayWndHeight;

protected:
    // The persisted values under the given subkey: the movie playback record keeps the
    // same values under a key of its own.
    RegistryValues Values(const wchar_t* subKey);
};

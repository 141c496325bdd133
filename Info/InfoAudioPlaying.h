#pragma once
// InfoAudioPlaying: how an audio capture is played back.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoAudioPlaying : public SendParam
{
public:
    InfoAudioPlaying();
    InfoAudioPlaying(const CString& playFName, unsigned int playDuration, int playRepeat, bool playShowDlg);
    InfoAudioPlaying(const InfoAudioPlaying& other);
    InfoAudioPlaying& operator=(const InfoAudioPlaying& other);
    bool operator==(const InfoAudioPlaying& other) const;
    ~InfoAudioPlaying() override;

    EnumSendParam GetType() const override { return SP_AUDIO_PLAYING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return PlayShowDlg; }

    CString PlayFName; // full path of the file played
    unsigned int PlayDuration;
    int PlayRepeat;
    bool PlayShowDlg;

private:
    RegistryValues Values();
};

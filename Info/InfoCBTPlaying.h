#pragma once
// InfoCBTPlaying: how a training capture is played back, optionally after starting an
// application in a given window rectangle.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoCBTPlaying : public SendParam
{
public:
    InfoCBTPlaying();
    InfoCBTPlaying(const CString& playFName, bool playSound, int playRepeat, bool playSkipMouse, bool playSkipKeyboard,
                   unsigned int playDuration, bool playShowDlg, const CString& playAppFileName,
                   const CString& playCmdLine, int playDelayTime, int playWndLeft, int playWndTop, int playWndWidth,
                   int playWndHeight);
    InfoCBTPlaying(const InfoCBTPlaying& other);
    InfoCBTPlaying& operator=(const InfoCBTPlaying& other);
    bool operator==(const InfoCBTPlaying& other) const;
    ~InfoCBTPlaying() override;

    EnumSendParam GetType() const override { return SP_CBT_PLAYING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return PlayShowDlg; }

    CString PlayFName;
    bool PlaySound;
    int PlayRepeat;
    bool PlaySkipMouse;
    bool PlaySkipKeyboard;
    unsigned int PlayDuration;
    bool PlayShowDlg;
    CString PlayAppFileName;
    CString PlayCmdLine;
    int PlayDelayTime;
    int PlayWndLeft;
    int PlayWndTop;
    int PlayWndWidth;
    int PlayWndHeight;

private:
    RegistryValues Values();
};

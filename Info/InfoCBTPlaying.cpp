#include "Info/InfoCBTPlaying.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/RegistryValues.h"

InfoCBTPlaying::InfoCBTPlaying()
    : InfoCBTPlaying(InfoGlobalFunctions::GetCBTDirectory() + L"\\VellTraining" + L".vtf", true, 0, false, false, 0,
                     false, L"", L"", 0, 0, 0, 0, 0)
{
}

InfoCBTPlaying::InfoCBTPlaying(const CString& playFName, bool playSound, int playRepeat, bool playSkipMouse,
                               bool playSkipKeyboard, unsigned int playDuration, bool playShowDlg,
                               const CString& playAppFileName, const CString& playCmdLine, int playDelayTime,
                               int playWndLeft, int playWndTop, int playWndWidth, int playWndHeight)
    : PlayFName(playFName), PlaySound(playSound), PlayRepeat(playRepeat), PlaySkipMouse(playSkipMouse),
      PlaySkipKeyboard(playSkipKeyboard), PlayDuration(playDuration), PlayShowDlg(playShowDlg),
      PlayAppFileName(playAppFileName), PlayCmdLine(playCmdLine), PlayDelayTime(playDelayTime),
      PlayWndLeft(playWndLeft), PlayWndTop(playWndTop), PlayWndWidth(playWndWidth), PlayWndHeight(playWndHeight)
{
}

InfoCBTPlaying::InfoCBTPlaying(const InfoCBTPlaying& other) = default;
InfoCBTPlaying& InfoCBTPlaying::operator=(const InfoCBTPlaying& other) = default;
InfoCBTPlaying::~InfoCBTPlaying() = default;

bool InfoCBTPlaying::operator==(const InfoCBTPlaying& o) const
{
    return PlayFName == o.PlayFName && PlaySound == o.PlaySound && PlayRepeat == o.PlayRepeat &&
           PlaySkipMouse == o.PlaySkipMouse && PlaySkipKeyboard == o.PlaySkipKeyboard &&
           PlayDuration == o.PlayDuration && PlayShowDlg == o.PlayShowDlg && PlayAppFileName == o.PlayAppFileName &&
           PlayCmdLine == o.PlayCmdLine && PlayDelayTime == o.PlayDelayTime && PlayWndLeft == o.PlayWndLeft &&
           PlayWndTop == o.PlayWndTop && PlayWndWidth == o.PlayWndWidth && PlayWndHeight == o.PlayWndHeight;
}

RegistryValues InfoCBTPlaying::Values()
{
    RegistryValues values(L"CBTCapture");
    values.Add(L"PlayFName", PlayFName, {2})
        .Add(L"PlaySound", PlaySound, {2})
        .Add(L"PlayRepeat", PlayRepeat, {2})
        .Add(L"PlaySkipMouse", PlaySkipMouse, {2})
        .Add(L"PlaySkipKeyboard", PlaySkipKeyboard, {2})
        .Add(L"PlayDuration", PlayDuration, {2})
        .Add(L"PlayShowDlg", PlayShowDlg, {1})
        .Add(L"PlayAppFileName", PlayAppFileName, {3})
        .Add(L"PlayCmdLine", PlayCmdLine, {3})
        .Add(L"PlayDelayTime", PlayDelayTime, {3})
        .Add(L"PlayWndLeft", PlayWndLeft, {3})
        .Add(L"PlayWndTop", PlayWndTop, {3})
        .Add(L"PlayWndWidth", PlayWndWidth, {3})
        .Add(L"PlayWndHeight", PlayWndHeight, {3});
    return values;
}

bool InfoCBTPlaying::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoCBTPlaying::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

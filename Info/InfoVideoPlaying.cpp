#include "Info/InfoVideoPlaying.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/RegistryValues.h"

namespace
{
const wchar_t* const kSubKey = L"VideoCapture";
}

InfoVideoPlaying::InfoVideoPlaying()
    : InfoVideoPlaying(InfoGlobalFunctions::GetVideoDirectory() + L"\\VellVideo.avi", 0, 0, false, true, 100, 100, 320,
                       240)
{
}

InfoVideoPlaying::InfoVideoPlaying(const CString& playFName, unsigned int playDuration, int playRepeat,
                                   bool playShowDlg, bool playAudio, int playWndLeft, int playWndTop, int playWndWidth,
                                   int playWndHeight)
    : PlayFName(playFName), PlayDuration(playDuration), PlayRepeat(playRepeat), PlayShowDlg(playShowDlg),
      PlayAudio(playAudio), PlayWndLeft(playWndLeft), PlayWndTop(playWndTop), PlayWndWidth(playWndWidth),
      PlayWndHeight(playWndHeight)
{
}

InfoVideoPlaying::InfoVideoPlaying(const InfoVideoPlaying& other) = default;
InfoVideoPlaying& InfoVideoPlaying::operator=(const InfoVideoPlaying& other) = default;
InfoVideoPlaying::~InfoVideoPlaying() = default;

bool InfoVideoPlaying::operator==(const InfoVideoPlaying& o) const
{
    return PlayFName == o.PlayFName && PlayDuration == o.PlayDuration && PlayRepeat == o.PlayRepeat &&
           PlayShowDlg == o.PlayShowDlg && PlayAudio == o.PlayAudio && PlayWndLeft == o.PlayWndLeft &&
           PlayWndTop == o.PlayWndTop && PlayWndWidth == o.PlayWndWidth && PlayWndHeight == o.PlayWndHeight;
}

RegistryValues InfoVideoPlaying::Values(const wchar_t* subKey)
{
    RegistryValues values(subKey);
    values.Add(L"PlayFName", PlayFName, {})
        .Add(L"PlayDuration", PlayDuration, {})
        .Add(L"PlayRepeat", PlayRepeat, {})
        .Add(L"PlayShowDlg", PlayShowDlg, {1})
        .Add(L"PlayAudio", PlayAudio, {})
        .Add(L"PlayWndLeft", PlayWndLeft, {})
        .Add(L"PlayWndTop", PlayWndTop, {})
        .Add(L"PlayWndWidth", PlayWndWidth, {})
        .Add(L"PlayWndHeight", PlayWndHeight, {});
    return values;
}

bool InfoVideoPlaying::LoadFromRegistry()
{
    return Values(kSubKey).Load();
}

bool InfoVideoPlaying::SaveToRegistry(unsigned int part)
{
    return Values(kSubKey).Save(part);
}

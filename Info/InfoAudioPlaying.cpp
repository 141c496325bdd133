#include "Info/InfoAudioPlaying.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/RegistryValues.h"

InfoAudioPlaying::InfoAudioPlaying()
    : InfoAudioPlaying(InfoGlobalFunctions::GetAudioDirectory() + L"\\VellAudio.wav", 0, 0, false)
{
}

InfoAudioPlaying::InfoAudioPlaying(const CString& playFName, unsigned int playDuration, int playRepeat,
                                   bool playShowDlg)
    : PlayFName(playFName), PlayDuration(playDuration), PlayRepeat(playRepeat), PlayShowDlg(playShowDlg)
{
}

InfoAudioPlaying::InfoAudioPlaying(const InfoAudioPlaying& other) = default;
InfoAudioPlaying& InfoAudioPlaying::operator=(const InfoAudioPlaying& other) = default;
InfoAudioPlaying::~InfoAudioPlaying() = default;

bool InfoAudioPlaying::operator==(const InfoAudioPlaying& o) const
{
    return PlayFName == o.PlayFName && PlayDuration == o.PlayDuration && PlayRepeat == o.PlayRepeat &&
           PlayShowDlg == o.PlayShowDlg;
}

RegistryValues InfoAudioPlaying::Values()
{
    RegistryValues values(L"AudioCapture");
    values.Add(L"PlayFName", PlayFName, {})
        .Add(L"PlayDuration", PlayDuration, {})
        .Add(L"PlayRepeat", PlayRepeat, {})
        .Add(L"PlayShowDlg", PlayShowDlg, {1});
    return values;
}

bool InfoAudioPlaying::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoAudioPlaying::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

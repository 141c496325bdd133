#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/RegistryValues.h"

namespace
{
const wchar_t* const kSubKey = L"MovieCapture";
}

InfoPresentationPlaying::InfoPresentationPlaying()
{
    PlayFName = InfoGlobalFunctions::GetPresentationDirectory() + L"\\VellPres.avi";
}

InfoPresentationPlaying::InfoPresentationPlaying(const CString& playFName, unsigned int playDuration, int playRepeat,
                                                 bool playShowDlg, bool playAudio, int playWndLeft, int playWndTop,
                                                 int playWndWidth, int playWndHeight)
    : InfoVideoPlaying(playFName, playDuration, playRepeat, playShowDlg, playAudio, playWndLeft, playWndTop,
                       playWndWidth, playWndHeight)
{
}

InfoPresentationPlaying::InfoPresentationPlaying(const InfoPresentationPlaying& other) = default;
InfoPresentationPlaying& InfoPresentationPlaying::operator=(const InfoPresentationPlaying& other) = default;
InfoPresentationPlaying::~InfoPresentationPlaying() = default;

bool InfoPresentationPlaying::LoadFromRegistry()
{
    return Values(kSubKey).Load();
}

bool InfoPresentationPlaying::SaveToRegistry(unsigned int part)
{
    return Values(kSubKey).Save(part);
}

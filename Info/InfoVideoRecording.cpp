#include "Info/InfoVideoRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoVideoRecording::InfoVideoRecording()
    : InfoVideoRecording(L"VellVideo", InfoGlobalFunctions::GetVideoDirectory(), VFT_AVI, true, 0, L"", 14, true, 100,
                         100, 320, 240, true, L"", L"", L"", false)
{
}

InfoVideoRecording::InfoVideoRecording(const CString& recFName, const CString& recPath, EnumVideoFileType recFType,
                                       bool recOverwrite, unsigned int recDuration, const CString& recVideoDevice,
                                       int recFramesRate, bool recPreview, int recWndLeft, int recWndTop,
                                       int recWndWidth, int recWndHeight, bool recAudio,
                                       const CString& recAudioInputDevice, const CString& recAudioInputFormat,
                                       const CString& recAudioInputPinName, bool recShowDlg)
    : RecFName(recFName), RecPath(recPath), RecFType(recFType), RecOverwrite(recOverwrite), RecDuration(recDuration),
      RecVideoDevice(recVideoDevice), RecFramesRate(recFramesRate), RecPreview(recPreview), RecWndLeft(recWndLeft),
      RecWndTop(recWndTop), RecWndWidth(recWndWidth), RecWndHeight(recWndHeight), RecAudio(recAudio),
      RecAudioInputDevice(recAudioInputDevice), RecAudioInputFormat(recAudioInputFormat),
      RecAudioInputPinName(recAudioInputPinName), RecShowDlg(recShowDlg)
{
}

InfoVideoRecording::InfoVideoRecording(const InfoVideoRecording& other) = default;
InfoVideoRecording& InfoVideoRecording::operator=(const InfoVideoRecording& other) = default;
InfoVideoRecording::~InfoVideoRecording() = default;

bool InfoVideoRecording::operator==(const InfoVideoRecording& o) const
{
    return RecFName == o.RecFName && RecPath == o.RecPath && RecFType == o.RecFType && RecOverwrite == o.RecOverwrite &&
           RecDuration == o.RecDuration && RecVideoDevice == o.RecVideoDevice && RecFramesRate == o.RecFramesRate &&
           RecPreview == o.RecPreview && RecWndLeft == o.RecWndLeft && RecWndTop == o.RecWndTop &&
           RecWndWidth == o.RecWndWidth && RecWndHeight == o.RecWndHeight && RecAudio == o.RecAudio &&
           RecAudioInputDevice == o.RecAudioInputDevice && RecAudioInputFormat == o.RecAudioInputFormat &&
           RecAudioInputPinName == o.RecAudioInputPinName && RecShowDlg == o.RecShowDlg;
}

// Listed in load order, which is not the order of the fields.
RegistryValues InfoVideoRecording::Values()
{
    RegistryValues values(L"VideoCapture");
    values.Add(L"RecFName", RecFName, {2})
        .Add(L"RecPath", RecPath, {2})
        .Add(L"RecFType", RecFType, {2})
        .Add(L"RecOverwrite", RecOverwrite, {2})
        .Add(L"RecAudioInputDevice", RecAudioInputDevice, {4})
        .Add(L"RecAudioInputFormat", RecAudioInputFormat, {4})
        .Add(L"RecAudioInputPinName", RecAudioInputPinName, {4})
        .Add(L"RecDuration", RecDuration, {2})
        .Add(L"RecAudio", RecAudio, {4})
        .Add(L"RecShowDlg", RecShowDlg, {1})
        .Add(L"RecVideoDevice", RecVideoDevice, {3})
        .Add(L"RecFramesRate", RecFramesRate, {3})
        .Add(L"RecPreview", RecPreview, {3})
        .Add(L"RecWndLeft", RecWndLeft, {3})
        .Add(L"RecWndTop", RecWndTop, {3})
        .Add(L"RecWndWidth", RecWndWidth, {3})
        .Add(L"RecWndHeight", RecWndHeight, {3});
    return values;
}

bool InfoVideoRecording::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoVideoRecording::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

CString InfoVideoRecording::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(RecPath, RecFName, InfoGlobalFunctions::GetVideoFileExtension(RecFType));
}

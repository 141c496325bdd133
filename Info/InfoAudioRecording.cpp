#include "Info/InfoAudioRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoAudioRecording::InfoAudioRecording()
    : InfoAudioRecording(L"VellAudio", InfoGlobalFunctions::GetAudioDirectory(), AFT_WAV, true, L"", L"", L"", 0, false,
                         false)
{
}

InfoAudioRecording::InfoAudioRecording(const CString& recFName, const CString& recPath, EnumAudioFileType recFType,
                                       bool recOverwrite, const CString& recInputDevice, const CString& recInputFormat,
                                       const CString& recInputPinName, unsigned int recDuration, bool recAudition,
                                       bool recShowDlg)
    : RecFName(recFName), RecPath(recPath), RecFType(recFType), RecOverwrite(recOverwrite),
      RecInputDevice(recInputDevice), RecInputFormat(recInputFormat), RecInputPinName(recInputPinName),
      RecDuration(recDuration), RecAudition(recAudition), RecShowDlg(recShowDlg)
{
}

InfoAudioRecording::InfoAudioRecording(const InfoAudioRecording& other) = default;
InfoAudioRecording& InfoAudioRecording::operator=(const InfoAudioRecording& other) = default;
InfoAudioRecording::~InfoAudioRecording() = default;

bool InfoAudioRecording::operator==(const InfoAudioRecording& o) const
{
    return RecFName == o.RecFName && RecPath == o.RecPath && RecFType == o.RecFType && RecOverwrite == o.RecOverwrite &&
           RecInputDevice == o.RecInputDevice && RecInputFormat == o.RecInputFormat &&
           RecInputPinName == o.RecInputPinName && RecDuration == o.RecDuration && RecAudition == o.RecAudition &&
           RecShowDlg == o.RecShowDlg;
}

RegistryValues InfoAudioRecording::Values()
{
    RegistryValues values(L"AudioCapture");
    values.Add(L"RecFName", RecFName, {2})
        .Add(L"RecPath", RecPath, {2})
        .Add(L"RecFType", RecFType, {2})
        .Add(L"RecOverwrite", RecOverwrite, {2})
        .Add(L"RecInputDevice", RecInputDevice, {3})
        .Add(L"RecInputFormat", RecInputFormat, {3})
        .Add(L"RecInputPinName", RecInputPinName, {3})
        .Add(L"RecDuration", RecDuration, {2})
        .Add(L"RecAudition", RecAudition, {3})
        .Add(L"RecShowDlg", RecShowDlg, {1});
    return values;
}

bool InfoAudioRecording::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoAudioRecording::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

CString InfoAudioRecording::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(RecPath, RecFName, InfoGlobalFunctions::GetAudioFileExtension(RecFType));
}

#include "Info/InfoCBTRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoCBTRecording::InfoCBTRecording()
    : InfoCBTRecording(L"VellTraining", InfoGlobalFunctions::GetCBTDirectory(), false, true, L"", L"", L"", false,
                       false, 0, false)
{
}

InfoCBTRecording::InfoCBTRecording(const CString& recFName, const CString& recPath, bool recOverwrite, bool recSound,
                                   const CString& recSoundDevice, const CString& recSoundFormat,
                                   const CString& recInputPinName, bool recSkipMouse, bool recSkipKeyboard,
                                   unsigned int recDuration, bool recShowDlg)
    : RecFName(recFName), RecPath(recPath), RecOverwrite(recOverwrite), RecSound(recSound),
      RecSoundDevice(recSoundDevice), RecSoundFormat(recSoundFormat), RecInputPinName(recInputPinName),
      RecSkipMouse(recSkipMouse), RecSkipKeyboard(recSkipKeyboard), RecDuration(recDuration), RecShowDlg(recShowDlg)
{
}

InfoCBTRecording::InfoCBTRecording(const InfoCBTRecording& other) = default;
InfoCBTRecording& InfoCBTRecording::operator=(const InfoCBTRecording& other) = default;
InfoCBTRecording::~InfoCBTRecording() = default;

bool InfoCBTRecording::operator==(const InfoCBTRecording& o) const
{
    return RecFName == o.RecFName && RecPath == o.RecPath && RecOverwrite == o.RecOverwrite && RecSound == o.RecSound &&
           RecSoundDevice == o.RecSoundDevice && RecSoundFormat == o.RecSoundFormat &&
           RecInputPinName == o.RecInputPinName && RecSkipMouse == o.RecSkipMouse &&
           RecSkipKeyboard == o.RecSkipKeyboard && RecDuration == o.RecDuration && RecShowDlg == o.RecShowDlg;
}

RegistryValues InfoCBTRecording::Values()
{
    RegistryValues values(L"CBTCapture");
    values.Add(L"RecFName", RecFName, {2})
        .Add(L"RecPath", RecPath, {2})
        .Add(L"RecOverwrite", RecOverwrite, {2})
        .Add(L"RecSound", RecSound, {3})
        .Add(L"RecSoundDevice", RecSoundDevice, {3})
        .Add(L"RecSoundFormat", RecSoundFormat, {3})
        .Add(L"RecInputPinName", RecInputPinName, {3})
        .Add(L"RecSkipMouse", RecSkipMouse, {2})
        .Add(L"RecSkipKeyboard", RecSkipKeyboard, {2})
        .Add(L"RecDuration", RecDuration, {2})
        .Add(L"RecShowDlg", RecShowDlg, {1});
    return values;
}

bool InfoCBTRecording::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoCBTRecording::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

CString InfoCBTRecording::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(RecPath, RecFName, L".vtf");
}

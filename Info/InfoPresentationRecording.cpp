#include "Info/InfoPresentationRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoPresentationRecording::InfoPresentationRecording()
    : InfoPresentationRecording(L"VellPres", InfoGlobalFunctions::GetPresentationDirectory(), PFT_AVI, true, 0, 1, 1,
                                false)
{
}

InfoPresentationRecording::InfoPresentationRecording(const CString& recFName, const CString& recPath,
                                                     EnumPresentationFileType recFileType, bool recOverwrite,
                                                     int recDuration, int recFreq, int recFramesRate, bool recShowDlg)
    : RecFName(recFName), RecPath(recPath), RecFileType(recFileType), RecOverwrite(recOverwrite),
      RecDuration(recDuration), RecFreq(recFreq), RecFramesRate(recFramesRate), RecShowDlg(recShowDlg)
{
}

InfoPresentationRecording::InfoPresentationRecording(const InfoPresentationRecording& other) = default;
InfoPresentationRecording& InfoPresentationRecording::operator=(const InfoPresentationRecording& other) = default;
InfoPresentationRecording::~InfoPresentationRecording() = default;

bool InfoPresentationRecording::operator==(const InfoPresentationRecording& o) const
{
    return RecFName == o.RecFName && RecPath == o.RecPath && RecFileType == o.RecFileType &&
           RecOverwrite == o.RecOverwrite && RecDuration == o.RecDuration && RecFreq == o.RecFreq &&
           RecFramesRate == o.RecFramesRate && RecShowDlg == o.RecShowDlg;
}

// Listed in load order, which is not the order of the fields.
RegistryValues InfoPresentationRecording::Values()
{
    RegistryValues values(L"MovieCapture");
    values.Add(L"RecFName", RecFName, {2})
        .Add(L"RecPath", RecPath, {2})
        .Add(L"RecFileType", RecFileType, {2})
        .Add(L"RecOverwrite", RecOverwrite, {2})
        .Add(L"RecFreq", RecFreq, {3})
        .Add(L"RecFramesRate", RecFramesRate, {3})
        .Add(L"RecShowDlg", RecShowDlg, {1})
        .Add(L"RecDuration", RecDuration, {3});
    return values;
}

bool InfoPresentationRecording::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoPresentationRecording::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

CString InfoPresentationRecording::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(RecPath, RecFName, InfoGlobalFunctions::GetPresentationFileExtension(RecFileType));
}

#pragma once
// InfoPresentationRecording: how a movie capture is recorded, frame by frame.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoPresentationRecording : public SendParam
{
public:
    InfoPresentationRecording();
    InfoPresentationRecording(const CString& recFName, const CString& recPath, EnumPresentationFileType recFileType,
                              bool recOverwrite, int recDuration, int recFreq, int recFramesRate, bool recShowDlg);
    InfoPresentationRecording(const InfoPresentationRecording& other);
    InfoPresentationRecording& operator=(const InfoPresentationRecording& other);
    bool operator==(const InfoPresentationRecording& other) const;
    ~InfoPresentationRecording() override;

    EnumSendParam GetType() const override { return SP_PRESENTATION_RECORDING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RecShowDlg; }

    EnumPresentationFileType GetFileType() const { return RecFileType; }
    // RecPath, one backslash, RecFName and the extension of RecFileType.
    CString GetFullPathFileName() const;

    CString RecFName;
    CString RecPath;
    EnumPresentationFileType RecFileType;
    bool RecOverwrite;
    int RecDuration;   // seconds
    int RecFreq;       // seconds between frames; 0 takes frames on demand
    int RecFramesRate; // frames per second of the movie
    bool RecShowDlg;

private:
    RegistryValues Values();
};

#pragma once
// InfoAudioRecording: how an audio capture is recorded.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoAudioRecording : public SendParam
{
public:
    InfoAudioRecording();
    InfoAudioRecording(const CString& recFName, const CString& recPath, EnumAudioFileType recFType, bool recOverwrite,
                       const CString& recInputDevice, const CString& recInputFormat, const CString& recInputPinName,
                       unsigned int recDuration, bool recAudition, bool recShowDlg);
    InfoAudioRecording(const InfoAudioRecording& other);
    InfoAudioRecording& operator=(const InfoAudioRecording& other);
    bool operator==(const InfoAudioRecording& other) const;
    ~InfoAudioRecording() override;

    EnumSendParam GetType() const override { return SP_AUDIO_RECORDING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RecShowDlg; }

    EnumAudioFileType GetFileType() const { return RecFType; }
    // RecPath, one backslash, RecFName and the extension of RecFType.
    CString GetFullPathFileName() const;

    CString RecFName;
    CString RecPath;
    EnumAudioFileType RecFType;
    bool RecOverwrite;
    CString RecInputDevice;
    CString RecInputFormat;
    CString RecInputPinName;
    unsigned int RecDuration;
    bool RecAudition;
    bool RecShowDlg;

private:
    RegistryValues Values();
};

#pragma once
// InfoVideoRecording: how a video capture is recorded, with its preview window and the
// optional audio track.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoVideoRecording : public SendParam
{
public:
    InfoVideoRecording();
    InfoVideoRecording(const CString& recFName, const CString& recPath, EnumVideoFileType recFType, bool recOverwrite,
                       unsigned int recDuration, const CString& recVideoDevice, int recFramesRate, bool recPreview,
                       int recWndLeft, int recWndTop, int recWndWidth, int recWndHeight, bool recAudio,
                       const CString& recAudioInputDevice, const CString& recAudioInputFormat,
                       const CString& recAudioInputPinName, bool recShowDlg);
    InfoVideoRecording(const InfoVideoRecording& other);
    InfoVideoRecording& operator=(const InfoVideoRecording& other);
    bool operator==(const InfoVideoRecording& other) const;
    ~InfoVideoRecording() override;

    EnumSendParam GetType() const override { return SP_VIDEO_RECORDING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RecShowDlg; }

    EnumVideoFileType GetFileType() const { return RecFType; }
    // RecPath, one backslash, RecFName and the extension of RecFType.
    CString GetFullPathFileName() const;

    CString RecFName;
    CString RecPath;
    EnumVideoFileType RecFType;
    bool RecOverwrite;
    unsigned int RecDuration;
    CString RecVideoDevice;
    int RecFramesRate;
    bool RecPreview;
    // The preview window.
    int RecWndLeft;
    int RecWndTop;
    int RecWndWidth;
    int RecWndHeight;
    bool RecAudio;
    CString RecAudioInputDevice;
    CString RecAudioInputFormat;
    CString RecAudioInputPinName;
    bool RecShowDlg;

private:
    RegistryValues Values();
};

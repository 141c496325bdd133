#pragma once
// InfoScWeb: the web server destination of a screen capture. The image is written to a
// local file and, for a remote server, uploaded by FTP. The password is held in clear
// here and enciphered only in the registry.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScWeb : public SendParam
{
public:
    InfoScWeb();
    InfoScWeb(EnumWebServer svrType, const CString& hostAddress, int port, const CString& login, const CString& pwd,
              const CString& webPath, const CString& fName, const CString& fPath, EnumFileType fType, bool overwrite,
              bool showDlg, int duration, int frequence);
    InfoScWeb(const InfoScWeb& other);
    InfoScWeb& operator=(const InfoScWeb& other);
    bool operator==(const InfoScWeb& other) const;
    ~InfoScWeb() override;

    EnumSendParam GetType() const override { return SP_SC_WEB; }
    bool LoadFromRegistry() override;
    // Parts: 0 all, 1 ShowDlg, 3 Duration and Frequence, 4 the local file, 5 the server
    // (with the password).
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    EnumFileType GetFileType() const { return FType; }
    // remote: the server folder, a slash, the name part of FName and the extension of FType.
    // Local: FPath, a backslash, the name part and the extension; or FName unchanged when
    // it holds a drive or folder of its own.
    CString GetFullPathFileName(bool remote) const;

    EnumWebServer SvrType;
    CString HostAddress;
    int Port;
    CString Login;
    CString Pwd;
    CString WebPath;
    CString FName;
    CString FPath;
    EnumFileType FType;
    bool Overwrite;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    // Every persisted value but the password, which is stored enciphered.
    RegistryValues Values();
};

#pragma once
// InfoScEmail: the e-mail destination. The image is attached to the message, or, on a
// machine with a local web server, may be embedded as a link to the server's image folder.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScEmail : public SendParam
{
public:
    InfoScEmail();
    InfoScEmail(const CString& server, const CString& from, const CString& to, const CString& cc,
                const CString& subject, const CString& body, bool attached, EnumFileType fType, bool display,
                int duration, int frequence);
    InfoScEmail(const InfoScEmail& other);
    InfoScEmail& operator=(const InfoScEmail& other);
    bool operator==(const InfoScEmail& other) const;
    ~InfoScEmail() override;

    EnumSendParam GetType() const override { return SP_SC_EMAIL; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return Display; }

    // The local web server's root folder, its environment variables expanded, followed
    // by "\Images"; empty when the server's root folder is not recorded.
    static CString GetIISRootImageDirectory();
    static bool IsIISInstalled();

    CString Server;
    CString From;
    CString To;
    CString CC;
    CString Subject;
    CString Body;
    bool Attached; // true attach the image, false embed it
    EnumFileType FType;
    bool Display;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};

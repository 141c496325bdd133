#pragma once
// CImageEmail: the e-mail destination. It writes the captured picture to a new
// image file and mails it through the SMTP server the record names: attached to
// the message, or, with Attached off, written into the local web server's image
// folder and linked from an HTML message.
//
// The SMTP client uses Winsock: the program starts it (AppSocketsInit) before
// the first run.
#include "Info/InfoScEmail.h"
#include "capture/destinations/CRecordDestination.h"

class CImageEmail : public CRecordDestination<InfoScEmail>
{
public:
    CImageEmail() = default;

    // Writes the picture to a new "VellImage" file of type FType (in the
    // screen-capture image folder's "Email" folder when attached, else in
    // InfoScEmail::GetIISRootImageDirectory, or the screen-capture image folder
    // itself when there is no web server) and sends the message. DR_DONE when the
    // server accepted it; DR_FAILED with the error text set otherwise (except
    // when there is no picture).
    DestinationResult Execute() override;

protected:
    // 1 Display; 3 Duration, Frequence; 4 Server, From, To, CC; 5 Subject, Body,
    // Attached, FType.
    void CopyPart(const InfoScEmail& record, unsigned int part) override;

private:
    // Mails the written file, or its link, to the recipients of the run record.
    DestinationResult Send();
    // "http://<this computer's address>//images//<file name>" for the written
    // file; the address is empty when this computer's name cannot be resolved.
    CString MakeImageLink() const;

    CString m_imagePath; // the file written by the last run
};

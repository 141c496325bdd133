#pragma once
// CImageICQ: the ICQ destination. It writes the captured picture to an image
// file in the screen-capture image folder's "ICQ" folder and sends that file to
// the record's ICQ user through the ICQ client. It does not start the ICQ API
// itself: the program does that once (InitIcqApi).
#include "Info/InfoScIcq.h"
#include "capture/destinations/CRecordDestination.h"
#include "capture/destinations/IcqApiAccess.h"

class CImageICQ : public CRecordDestination<InfoScIcq>
{
public:
    // api: the ICQ API library to send through.
    explicit CImageICQ(const CIcqApiLibrary& api = GetIcqApiLibrary()) : m_api(api) {}

    // Writes the picture (type FType) and sends it to the user UID. DR_DONE once
    // the client took the file; DR_FAILED with the error text set otherwise
    // (except when there is no picture).
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 2 FirstName, LastName, UID, IP, FType; 3 Duration, Frequence.
    void CopyPart(const InfoScIcq& record, unsigned int part) override;
    // The record is stored before the grab.
    bool StoresRecordBeforeGrab() const override { return true; }
    // A new grab gets a new image file.
    void BeforeGrab() override { m_imagePath.Empty(); }

private:
    CString m_imagePath; // the file written by the last run
    const CIcqApiLibrary& m_api;
};

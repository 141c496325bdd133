#pragma once
// CImageFax: the fax destination. It writes the captured picture to an image file
// in the screen-capture image folder's "Fax" folder and sends that file through
// the system's fax service, to the record's recipient, on this computer or on the
// named fax server. The sender's details are the fax client's defaults.
//
// The fax server object is created through COM for each send and driven by member
// name, so that the program starts and runs where no fax service is installed.
#include "Info/InfoScFax.h"
#include "capture/destinations/CRecordDestination.h"

class CDispatchDriver;

class CImageFax : public CRecordDestination<InfoScFax>
{
public:
    // Writes the picture (type FType) and queues it as a fax. DR_DONE once the
    // service took the fax; DR_FAILED with the error text set otherwise (except
    // when there is no picture).
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 3 Duration, Frequence; 4 SvrName, RecNumber, RecName,
    // RecCompany, RecDepartment; 5 UseCoverPage, CoverPageName, Note, Subject.
    void CopyPart(const InfoScFax& record, unsigned int part) override;
    // The record is stored before the grab.
    bool StoresRecordBeforeGrab() const override { return true; }
    // A new grab gets a new image file.
    void BeforeGrab() override { m_imagePath.Empty(); }

private:
    // Sends the written file; the error text names the failing step.
    DestinationResult Send();
    // Creates the connected server's document for the written file.
    HRESULT CreateDocument(CDispatchDriver& server, CDispatchDriver& document) const;
    // Fills the document's fields: the sender's defaults when the fax client has
    // them, then the recipient and the cover page of the run record. The fields are
    // the document's own business: a field it refuses does not stop the send.
    void FillDocument(CDispatchDriver& document) const;
    void FillSender(CDispatchDriver& document) const;
    // "(local)" or this computer's name (in any case).
    bool IsLocalServer() const;
    DestinationResult Fail(const wchar_t* format, HRESULT hr);

    CString m_imagePath; // the file written by the last run
};

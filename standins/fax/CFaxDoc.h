#pragma once
// CFaxDoc: a fax document, reached through IDispatch. Its text properties (FileName,
// FaxNumber, DisplayName, BillingCode, the Recipient* and Sender* fields,
// CoverpageName, CoverpageNote, CoverpageSubject) and flags (SendCoverpage,
// ServerCoverpage) are kept as the fields of the job that its method Send queues in the
// outbox of the server its server object is connected to at that moment; Send returns
// the job's number.
#include "standins/fax/CDispatchObject.h"
#include "standins/fax/CFaxJob.h"

class CFaxServer;

class CFaxDoc final : public CDispatchObject
{
public:
    // A new document with one reference, for fileName, holding a reference to server.
    CFaxDoc(CFaxServer* server, const wchar_t* fileName);

protected:
    HRESULT Run(DISPID id, WORD kind, const DISPPARAMS& parameters, VARIANT* result) override;

private:
    ~CFaxDoc() override;

    HRESULT PutProperty(DISPID id, const DISPPARAMS& parameters);
    HRESULT GetProperty(DISPID id, VARIANT* result) const;
    // Fails with ERROR_NOT_CONNECTED when the server was disconnected, with
    // ERROR_INVALID_PARAMETER without a fax number, with the file error when the
    // document cannot be copied.
    HRESULT Send(VARIANT* result);

    CFaxServer* m_server;
    CFaxJob m_properties;
};

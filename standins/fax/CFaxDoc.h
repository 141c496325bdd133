#pragma once
// CFaxDoc: a fax document. Its properties are kept as the fields of the job that Send
// queues in the outbox of the server the document's server object is connected to at
// that moment.
#include "standins/fax/CFaxJob.h"
#include "standins/fax/FaxServiceApi.h"

class CFaxServer;

class CFaxDoc final : public IFaxDoc
{
public:
    // A new document with one reference, for fileName, holding a reference to server.
    CFaxDoc(CFaxServer* server, const wchar_t* fileName);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE put_FileName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_FaxNumber(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_DisplayName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_BillingCode(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_RecipientName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_RecipientCompany(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_RecipientDepartment(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderFax(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderCompany(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderDepartment(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderAddress(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderTitle(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderOffice(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderOfficePhone(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SenderHomePhone(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_CoverpageName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_SendCoverpage(BOOL value) override;
    HRESULT STDMETHODCALLTYPE put_ServerCoverpage(BOOL value) override;
    HRESULT STDMETHODCALLTYPE put_CoverpageNote(BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_CoverpageSubject(BSTR value) override;
    // Fails with ERROR_NOT_CONNECTED when the server was disconnected, with
    // ERROR_INVALID_PARAMETER without a fax number, with the file error when the
    // document cannot be copied.
    HRESULT STDMETHODCALLTYPE Send(long* jobId) override;

private:
    ~CFaxDoc();
    HRESULT SetText(const wchar_t* property, BSTR value);
    HRESULT SetFlag(const wchar_t* property, BOOL value);

    LONG m_references = 1;
    CFaxServer* m_server;
    CFaxJob m_properties;
};

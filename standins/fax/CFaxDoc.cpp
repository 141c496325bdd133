#include "standins/fax/CFaxDoc.h"
#include "standins/fax/CFaxOutbox.h"
#include "standins/fax/CFaxServer.h"

CFaxDoc::CFaxDoc(CFaxServer* server, const wchar_t* fileName) : m_server(server)
{
    m_server->AddRef();
    m_properties.Set(L"FileName", fileName);
}

CFaxDoc::~CFaxDoc()
{
    m_server->Release();
}

HRESULT STDMETHODCALLTYPE CFaxDoc::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IFaxDoc))
    {
        *object = static_cast<IFaxDoc*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CFaxDoc::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE CFaxDoc::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

HRESULT CFaxDoc::SetText(const wchar_t* property, BSTR value)
{
    m_properties.Set(property, value ? value : L"");
    return S_OK;
}

HRESULT CFaxDoc::SetFlag(const wchar_t* property, BOOL value)
{
    m_properties.Set(property, value ? L"1" : L"0");
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CFaxDoc::put_FileName(BSTR value)
{
    return SetText(L"FileName", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_FaxNumber(BSTR value)
{
    return SetText(L"FaxNumber", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_DisplayName(BSTR value)
{
    return SetText(L"DisplayName", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_BillingCode(BSTR value)
{
    return SetText(L"BillingCode", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_RecipientName(BSTR value)
{
    return SetText(L"RecipientName", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_RecipientCompany(BSTR value)
{
    return SetText(L"RecipientCompany", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_RecipientDepartment(BSTR value)
{
    return SetText(L"RecipientDepartment", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderName(BSTR value)
{
    return SetText(L"SenderName", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderFax(BSTR value)
{
    return SetText(L"SenderFax", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderCompany(BSTR value)
{
    return SetText(L"SenderCompany", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderDepartment(BSTR value)
{
    return SetText(L"SenderDepartment", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderAddress(BSTR value)
{
    return SetText(L"SenderAddress", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderTitle(BSTR value)
{
    return SetText(L"SenderTitle", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderOffice(BSTR value)
{
    return SetText(L"SenderOffice", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderOfficePhone(BSTR value)
{
    return SetText(L"SenderOfficePhone", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SenderHomePhone(BSTR value)
{
    return SetText(L"SenderHomePhone", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_CoverpageName(BSTR value)
{
    return SetText(L"CoverpageName", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_SendCoverpage(BOOL value)
{
    return SetFlag(L"SendCoverpage", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_ServerCoverpage(BOOL value)
{
    return SetFlag(L"ServerCoverpage", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_CoverpageNote(BSTR value)
{
    return SetText(L"CoverpageNote", value);
}
HRESULT STDMETHODCALLTYPE CFaxDoc::put_CoverpageSubject(BSTR value)
{
    return SetText(L"CoverpageSubject", value);
}

HRESULT STDMETHODCALLTYPE CFaxDoc::Send(long* jobId)
{
    if (!m_server->IsConnected())
        return HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED);
    if (m_properties.Get(L"FaxNumber").IsEmpty())
        return HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER);

    CFaxJob job;
    job.Set(L"Server", m_server->GetServer());
    job.Set(L"ConnectedAs", m_server->GetConnectedAs());
    job.Set(m_properties);
    CFaxOutbox outbox(m_server->GetConfig().GetOutboxFolder(m_server->GetServer()));
    long id = 0;
    HRESULT hr = outbox.Queue(m_properties.Get(L"FileName"), job, id);
    if (SUCCEEDED(hr) && jobId)
        *jobId = id;
    return hr;
}

#include "standins/fax/CFaxDoc.h"
#include "standins/fax/CFaxOutbox.h"
#include "standins/fax/CFaxServer.h"

namespace
{
const DISPID kSend = 1;
// Properties are numbered from here in the order of the table; the flags come last.
const DISPID kFirstProperty = 100;
const DISPID kFirstFlag = 119;

const CDispatchObject::Member kMembers[] = {
    {L"Send", kSend},
    {L"FileName", 100},
    {L"FaxNumber", 101},
    {L"DisplayName", 102},
    {L"BillingCode", 103},
    {L"RecipientName", 104},
    {L"RecipientCompany", 105},
    {L"RecipientDepartment", 106},
    {L"SenderName", 107},
    {L"SenderFax", 108},
    {L"SenderCompany", 109},
    {L"SenderDepartment", 110},
    {L"SenderAddress", 111},
    {L"SenderTitle", 112},
    {L"SenderOffice", 113},
    {L"SenderOfficePhone", 114},
    {L"SenderHomePhone", 115},
    {L"CoverpageName", 116},
    {L"CoverpageNote", 117},
    {L"CoverpageSubject", 118},
    {L"SendCoverpage", kFirstFlag},
    {L"ServerCoverpage", kFirstFlag + 1},
    {nullptr, DISPID_UNKNOWN},
};

// The name of a property, which is its field's key in the job.
const wchar_t* PropertyName(DISPID id)
{
    if (id < kFirstProperty)
        return nullptr;
    for (const CDispatchObject::Member* member = kMembers; member->name; ++member)
    {
        if (member->id == id)
            return member->name;
    }
    return nullptr;
}
} // namespace

CFaxDoc::CFaxDoc(CFaxServer* server, const wchar_t* fileName) : CDispatchObject(kMembers), m_server(server)
{
    m_server->AddRef();
    m_properties.Set(L"FileName", fileName);
}

CFaxDoc::~CFaxDoc()
{
    m_server->Release();
}

HRESULT CFaxDoc::Run(DISPID id, WORD kind, const DISPPARAMS& parameters, VARIANT* result)
{
    if (id == kSend)
        return kind == DISPATCH_METHOD ? Send(result) : DISP_E_MEMBERNOTFOUND;
    if (!PropertyName(id))
        return DISP_E_MEMBERNOTFOUND;
    if (kind == DISPATCH_PROPERTYPUT)
        return PutProperty(id, parameters);
    if (kind == DISPATCH_PROPERTYGET && parameters.cArgs == 0)
        return GetProperty(id, result);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT CFaxDoc::PutProperty(DISPID id, const DISPPARAMS& parameters)
{
    const bool flag = id >= kFirstFlag;
    VARIANT value;
    HRESULT hr = GetArgument(parameters, 0, flag ? VT_BOOL : VT_BSTR, value);
    if (FAILED(hr))
        return hr;
    if (flag)
        m_properties.Set(PropertyName(id), value.boolVal ? L"1" : L"0");
    else
        m_properties.Set(PropertyName(id), value.bstrVal ? value.bstrVal : L"");
    VariantClear(&value);
    return S_OK;
}

HRESULT CFaxDoc::GetProperty(DISPID id, VARIANT* result) const
{
    if (!result)
        return S_OK;
    const CString value = m_properties.Get(PropertyName(id));
    if (id >= kFirstFlag)
    {
        result->vt = VT_BOOL;
        result->boolVal = value == L"1" ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(value);
    return result->bstrVal ? S_OK : E_OUTOFMEMORY;
}

HRESULT CFaxDoc::Send(VARIANT* result)
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
    if (SUCCEEDED(hr) && result)
    {
        result->vt = VT_I4;
        result->lVal = id;
    }
    return hr;
}

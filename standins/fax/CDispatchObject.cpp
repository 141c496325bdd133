#include "standins/fax/CDispatchObject.h"

#include <initializer_list>

namespace
{
LONG g_liveObjects = 0;

// The type-library rule for a failing member: the code travels as an exception.
HRESULT RaiseException(HRESULT hr, EXCEPINFO* exception)
{
    if (!exception)
        return hr;
    *exception = EXCEPINFO();
    exception->scode = hr;
    return DISP_E_EXCEPTION;
}

// A property put passes its value as the one named argument DISPID_PROPERTYPUT.
bool IsWellFormedPut(const DISPPARAMS& parameters)
{
    return parameters.cArgs == 1 && parameters.cNamedArgs == 1 && parameters.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
}
} // namespace

CDispatchObject::CDispatchObject(const Member* members) : m_members(members)
{
    InterlockedIncrement(&g_liveObjects);
}

CDispatchObject::~CDispatchObject()
{
    InterlockedDecrement(&g_liveObjects);
}

LONG CDispatchObject::GetLiveObjects()
{
    return g_liveObjects;
}

HRESULT STDMETHODCALLTYPE CDispatchObject::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDispatch))
    {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CDispatchObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE CDispatchObject::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

HRESULT STDMETHODCALLTYPE CDispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CDispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE CDispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    // Only the member itself is named; a member here takes no named arguments.
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (const Member* member = m_members; member->name; ++member)
    {
        if (names[0] && lstrcmpiW(names[0], member->name) == 0)
        {
            ids[0] = member->id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE CDispatchObject::Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters,
                                                  VARIANT* result, EXCEPINFO* exception, UINT* badArgument)
{
    if (!parameters)
        return E_INVALIDARG;
    if (badArgument)
        *badArgument = 0;
    // A caller may ask for a method or a property read with the same call.
    if (kind & DISPATCH_PROPERTYPUT)
    {
        if (!IsWellFormedPut(*parameters))
            return DISP_E_BADPARAMCOUNT;
        kind = DISPATCH_PROPERTYPUT;
    }
    else if (parameters->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    if (result)
        VariantInit(result);

    HRESULT hr = DISP_E_MEMBERNOTFOUND;
    for (WORD tried : {WORD(DISPATCH_METHOD), WORD(DISPATCH_PROPERTYGET), WORD(DISPATCH_PROPERTYPUT)})
    {
        if ((kind & tried) && (hr = Run(id, tried, *parameters, result)) != DISP_E_MEMBERNOTFOUND)
            break;
    }
    if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_BADPARAMCOUNT || hr == DISP_E_TYPEMISMATCH || SUCCEEDED(hr))
        return hr;
    return RaiseException(hr, exception);
}

HRESULT CDispatchObject::GetArgument(const DISPPARAMS& parameters, UINT index, VARTYPE type, VARIANT& value)
{
    if (index >= parameters.cArgs)
        return DISP_E_BADPARAMCOUNT;
    // The arguments come last one first.
    VARIANTARG& argument = parameters.rgvarg[parameters.cArgs - 1 - index];
    VariantInit(&value);
    HRESULT hr = VariantChangeType(&value, &argument, 0, type);
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

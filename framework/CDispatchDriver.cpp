#include "framework/CDispatchDriver.h"

#include <vector>

namespace
{
// The code of an automation exception, its texts freed.
HRESULT TakeExceptionCode(EXCEPINFO& exception)
{
    if (exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(exception.scode))
        return exception.scode;
    return exception.wCode ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, exception.wCode) : DISP_E_EXCEPTION;
}
} // namespace

HRESULT CDispatchDriver::Create(REFCLSID classId, DWORD context)
{
    Release();
    return CoCreateInstance(classId, nullptr, context, IID_IDispatch, reinterpret_cast<void**>(&m_object));
}

HRESULT CDispatchDriver::Attach(const CVariant& object)
{
    Release();
    const VARIANT& value = object.Get();
    if ((value.vt != VT_DISPATCH && value.vt != VT_UNKNOWN) || !value.punkVal)
        return E_NOINTERFACE;
    return value.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_object));
}

void CDispatchDriver::Release()
{
    if (m_object)
        m_object->Release();
    m_object = nullptr;
}

HRESULT CDispatchDriver::Call(const wchar_t* member, std::initializer_list<CVariant> arguments, CVariant* result)
{
    // Automation takes the arguments last one first.
    std::vector<VARIANTARG> values;
    for (auto argument = arguments.end(); argument != arguments.begin();)
    {
        --argument;
        if (!argument->IsValid())
            return E_OUTOFMEMORY;
        values.push_back(argument->Get());
    }
    DISPPARAMS parameters = {values.data(), nullptr, static_cast<UINT>(values.size()), 0};
    return Invoke(member, DISPATCH_METHOD, parameters, result ? result->Receive() : nullptr);
}

HRESULT CDispatchDriver::Put(const wchar_t* member, const CVariant& value)
{
    if (!value.IsValid())
        return E_OUTOFMEMORY;
    VARIANTARG argument = value.Get();
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    return Invoke(member, DISPATCH_PROPERTYPUT, parameters, nullptr);
}

HRESULT CDispatchDriver::Invoke(const wchar_t* member, WORD kind, DISPPARAMS& parameters, VARIANT* result)
{
    if (!m_object)
        return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = m_object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    EXCEPINFO exception = {};
    UINT badArgument = 0;
    hr = m_object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, &exception, &badArgument);
    return hr == DISP_E_EXCEPTION ? TakeExceptionCode(exception) : hr;
}

#pragma once
// CDispatchDriver: drives an automation object through IDispatch by member name, so a
// program needs no declaration of the object's own interface. It holds one reference to
// the object. A member that fails reports the failure's own HRESULT: the exception code
// an object gives through DISP_E_EXCEPTION is returned in its place.
#include "framework/CVariant.h"
#include <initializer_list>
#include <oaidl.h>

class CDispatchDriver
{
public:
    CDispatchDriver() = default;
    CDispatchDriver(const CDispatchDriver&) = delete;
    CDispatchDriver& operator=(const CDispatchDriver&) = delete;
    ~CDispatchDriver() { Release(); }

    // Creates an object of the class in the given contexts (CLSCTX_*) and holds it.
    HRESULT Create(REFCLSID classId, DWORD context);
    // Holds the object that a member returned (VT_DISPATCH, or VT_UNKNOWN that answers
    // for IDispatch); E_NOINTERFACE for anything else.
    HRESULT Attach(const CVariant& object);
    void Release();
    bool IsAttached() const { return m_object != nullptr; }

    // Calls a method with the arguments in their written order; result may be null.
    HRESULT Call(const wchar_t* member, std::initializer_list<CVariant> arguments, CVariant* result = nullptr);
    // Sets a property.
    HRESULT Put(const wchar_t* member, const CVariant& value);

private:
    HRESULT Invoke(const wchar_t* member, WORD kind, DISPPARAMS& parameters, VARIANT* result);

    IDispatch* m_object = nullptr;
};

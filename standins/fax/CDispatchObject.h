#pragma once
// CDispatchObject: the automation side of the fax service's objects. Callers reach them
// through IDispatch by member name, as through any dual interface; the members are
// those of a table that each object gives. Invoke answers as a type library's dispatch
// does: a member that fails gives DISP_E_EXCEPTION with its HRESULT as the exception
// code. Every object alive counts for the library's DllCanUnloadNow.
#include <windows.h>
#include <oaidl.h>

class CDispatchObject : public IDispatch
{
public:
    struct Member
    {
        const wchar_t* name;
        DISPID id;
    };

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // No type information: the names are the members' only description.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    // Member names compare without case, as automation names do.
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

    // The objects alive in this library.
    static LONG GetLiveObjects();

protected:
    // A new object with one reference; members ends with a null name.
    explicit CDispatchObject(const Member* members);
    virtual ~CDispatchObject();

    // Runs a member: kind is DISPATCH_METHOD, DISPATCH_PROPERTYGET or
    // DISPATCH_PROPERTYPUT. DISP_E_MEMBERNOTFOUND for a kind the member lacks.
    virtual HRESULT Run(DISPID id, WORD kind, const DISPPARAMS& parameters, VARIANT* result) = 0;

    // The positional argument at index (0 the first written), converted to type.
    static HRESULT GetArgument(const DISPPARAMS& parameters, UINT index, VARTYPE type, VARIANT& value);

private:
    LONG m_references = 1;
    const Member* m_members;
};

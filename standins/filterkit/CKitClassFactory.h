#pragma once
// CKitClassFactory: the class object of one filter class of a module, which makes its
// objects with a creation function. Static instances serve the module: their
// reference counts do not govern their life, but a caller's lock keeps the module
// loaded (see CanUnloadModule).
#include <windows.h>
#include <unknwn.h>

class CKitClassFactory final : public IClassFactory
{
public:
    // Makes a new object with one reference, or null when memory runs out.
    using CreateFunction = IUnknown* (*)();

    CKitClassFactory(REFCLSID classId, CreateFunction create);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    const CLSID& ClassId() const { return m_classId; }

    // DllGetClassObject over the module's factories.
    static HRESULT GetClassObject(CKitClassFactory* const* factories, int count, REFCLSID classId,
                                  REFIID interfaceId, void** object);
    // Whether no kit object lives and no caller locks the module.
    static bool CanUnloadModule();

private:
    CLSID m_classId;
    CreateFunction m_create;
};

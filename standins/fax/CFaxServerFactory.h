#pragma once
// CFaxServerFactory: the class factory of the fax server object. One static instance
// serves the library; its reference count does not govern its life, but a caller's lock
// keeps the library loaded.
#include <windows.h>
#include <unknwn.h>

class CFaxServerFactory final : public IClassFactory
{
public:
    static CFaxServerFactory& Instance();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    bool IsLocked() const;

private:
    CFaxServerFactory() = default;

    LONG m_locks = 0;
};

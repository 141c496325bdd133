#include "standins/fax/CFaxServiceLibrary.h"

namespace
{
template <class Function> Function GetFunction(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
} // namespace

CFaxServiceLibrary::CFaxServiceLibrary(const wchar_t* libraryName)
{
    m_module = LoadLibraryW(libraryName);
    if (!m_module)
        return;
    m_getClassObject = GetFunction<PFAXDLLGETCLASSOBJECT>(m_module, "DllGetClassObject");
    m_completeJobParams = GetFunction<PFAXCOMPLETEJOBPARAMSW>(m_module, "FaxCompleteJobParamsW");
    m_freeBuffer = GetFunction<PFAXFREEBUFFER>(m_module, "FaxFreeBuffer");
    if (!IsLoaded())
    {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
}

CFaxServiceLibrary::~CFaxServiceLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

bool CFaxServiceLibrary::IsLoaded() const
{
    return m_module && m_getClassObject && m_completeJobParams && m_freeBuffer;
}

HRESULT CFaxServiceLibrary::CreateFaxServer(IFaxServer** server) const
{
    if (!server)
        return E_POINTER;
    *server = nullptr;
    if (!IsLoaded())
        return REGDB_E_CLASSNOTREG;
    IClassFactory* factory = nullptr;
    HRESULT hr = m_getClassObject(CLSID_FaxServer, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;
    hr = factory->CreateInstance(nullptr, IID_IFaxServer, reinterpret_cast<void**>(server));
    factory->Release();
    return hr;
}

BOOL CFaxServiceLibrary::FaxCompleteJobParams(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo) const
{
    if (IsLoaded())
        return m_completeJobParams(jobParams, coverpageInfo);
    if (jobParams)
        *jobParams = nullptr;
    if (coverpageInfo)
        *coverpageInfo = nullptr;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}

void CFaxServiceLibrary::FaxFreeBuffer(void* buffer) const
{
    if (IsLoaded())
        m_freeBuffer(buffer);
}

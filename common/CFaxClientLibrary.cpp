#include "common/CFaxClientLibrary.h"

namespace
{
template <class Function> Function GetFunction(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
} // namespace

// A system library is looked for in the system folder only, never beside the program.
CFaxClientLibrary::CFaxClientLibrary()
    : m_module(LoadLibraryExW(kFaxClientLibraryName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
{
    m_completeJobParams = GetFunction<PFAXCOMPLETEJOBPARAMSW>(m_module, "FaxCompleteJobParamsW");
    m_freeBuffer = GetFunction<PFAXFREEBUFFER>(m_module, "FaxFreeBuffer");
}

CFaxClientLibrary::~CFaxClientLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

bool CFaxClientLibrary::CompleteJobParams(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo) const
{
    *jobParams = nullptr;
    *coverpageInfo = nullptr;
    return m_completeJobParams && m_freeBuffer && m_completeJobParams(jobParams, coverpageInfo);
}

void CFaxClientLibrary::FreeBuffer(void* buffer) const
{
    if (m_freeBuffer && buffer)
        m_freeBuffer(buffer);
}

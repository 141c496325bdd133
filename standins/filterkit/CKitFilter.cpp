#include "standins/filterkit/CKitFilter.h"

#include "standins/filterkit/CKitPin.h"
#include "standins/filterkit/CKitPinEnum.h"

#include <cwchar>

namespace
{
LONG g_liveObjects = 0;
}

CKitFilter::CKitFilter(REFCLSID classId) : m_classId(classId)
{
    InitializeCriticalSection(&m_lock);
    InitializeCriticalSection(&m_sharedLock);
    InterlockedIncrement(&g_liveObjects);
}

CKitFilter::~CKitFilter()
{
    if (m_clock)
        m_clock->Release();
    DeleteCriticalSection(&m_sharedLock);
    DeleteCriticalSection(&m_lock);
    InterlockedDecrement(&g_liveObjects);
}

LONG CKitFilter::LiveObjects()
{
    return g_liveObjects;
}

HRESULT CKitFilter::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId == IID_IUnknown || interfaceId == IID_IPersist || interfaceId == IID_IMediaFilter ||
        interfaceId == IID_IBaseFilter)
        *object = static_cast<IBaseFilter*>(this);
    else
        return QueryFilterInterface(interfaceId, object);
    AddRef();
    return S_OK;
}

HRESULT CKitFilter::QueryFilterInterface(REFIID, void**)
{
    return E_NOINTERFACE;
}

ULONG CKitFilter::AddRef()
{
    return InterlockedIncrement(&m_refs);
}

ULONG CKitFilter::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT CKitFilter::GetClassID(CLSID* classId)
{
    if (!classId)
        return E_POINTER;
    *classId = m_classId;
    return S_OK;
}

HRESULT CKitFilter::Stop()
{
    EnterCriticalSection(&m_lock);
    if (m_state != State_Stopped)
        OnDeactivate();
    m_state = State_Stopped;
    LeaveCriticalSection(&m_lock);
    return S_OK;
}

HRESULT CKitFilter::Pause()
{
    EnterCriticalSection(&m_lock);
    HRESULT result = S_OK;
    if (m_state == State_Stopped)
        result = OnActivate();
    else if (m_state == State_Running)
        OnPauseFromRun();
    if (SUCCEEDED(result))
        m_state = State_Paused;
    LeaveCriticalSection(&m_lock);
    return result;
}

HRESULT CKitFilter::Run(REFERENCE_TIME start)
{
    EnterCriticalSection(&m_lock);
    HRESULT result = m_state == State_Stopped ? Pause() : S_OK;
    if (SUCCEEDED(result) && m_state != State_Running)
    {
        m_state = State_Running;
        OnRun(start);
    }
    LeaveCriticalSection(&m_lock);
    return result;
}

HRESULT CKitFilter::GetState(DWORD, FILTER_STATE* state)
{
    if (!state)
        return E_POINTER;
    *state = m_state;
    return m_state == State_Paused && IsLiveSource() ? VFW_S_CANT_CUE : S_OK;
}

bool CKitFilter::IsLiveSource() const
{
    return false;
}

HRESULT CKitFilter::SetSyncSource(IReferenceClock* clock)
{
    EnterCriticalSection(&m_sharedLock);
    if (clock)
        clock->AddRef();
    if (m_clock)
        m_clock->Release();
    m_clock = clock;
    LeaveCriticalSection(&m_sharedLock);
    return S_OK;
}

HRESULT CKitFilter::GetSyncSource(IReferenceClock** clock)
{
    if (!clock)
        return E_POINTER;
    EnterCriticalSection(&m_sharedLock);
    *clock = m_clock;
    if (m_clock)
        m_clock->AddRef();
    LeaveCriticalSection(&m_sharedLock);
    return S_OK;
}

HRESULT CKitFilter::EnumPins(IEnumPins** pins)
{
    if (!pins)
        return E_POINTER;
    *pins = new CKitPinEnum(this, 0);
    return S_OK;
}

HRESULT CKitFilter::FindPin(LPCWSTR id, IPin** pin)
{
    if (!id || !pin)
        return E_POINTER;
    *pin = nullptr;
    for (int i = 0; i < PinCount(); ++i)
        if (wcscmp(PinAt(i)->Name(), id) == 0)
        {
            *pin = PinAt(i);
            (*pin)->AddRef();
            return S_OK;
        }
    return VFW_E_NOT_FOUND;
}

HRESULT CKitFilter::QueryFilterInfo(FILTER_INFO* info)
{
    if (!info)
        return E_POINTER;
    EnterCriticalSection(&m_sharedLock);
    wcscpy(info->achName, m_name);
    info->pGraph = m_graph;
    if (m_graph)
        m_graph->AddRef();
    LeaveCriticalSection(&m_sharedLock);
    return S_OK;
}

HRESULT CKitFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name)
{
    EnterCriticalSection(&m_sharedLock);
    m_graph = graph;
    m_name[0] = L'\0';
    if (name)
        wcsncat(m_name, name, MAX_FILTER_NAME - 1);
    LeaveCriticalSection(&m_sharedLock);
    OnGraphChanged(graph);
    return S_OK;
}

void CKitFilter::OnGraphChanged(IFilterGraph*) {}

HRESULT CKitFilter::QueryVendorInfo(LPWSTR*)
{
    return E_NOTIMPL;
}

bool CKitFilter::NotifyGraph(long code, LONG_PTR param1, LONG_PTR param2)
{
    EnterCriticalSection(&m_sharedLock);
    IMediaEventSink* sink = nullptr;
    if (m_graph)
        m_graph->QueryInterface(IID_IMediaEventSink, reinterpret_cast<void**>(&sink));
    LeaveCriticalSection(&m_sharedLock);
    if (!sink)
        return false;
    sink->Notify(code, param1, param2);
    sink->Release();
    return true;
}

HRESULT CKitFilter::OnActivate()
{
    return S_OK;
}

void CKitFilter::OnDeactivate() {}

void CKitFilter::OnRun(REFERENCE_TIME) {}

void CKitFilter::OnPauseFromRun() {}

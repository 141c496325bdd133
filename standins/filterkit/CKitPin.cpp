#include "standins/filterkit/CKitPin.h"

#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitMediaTypeEnum.h"
#include "standins/filterkit/KitMediaType.h"

#include <cwchar>

namespace
{
// Holds the filter's lock for a scope.
class CFilterLockScope
{
public:
    explicit CFilterLockScope(CKitFilter* filter) : m_lock(filter->Lock()) { EnterCriticalSection(&m_lock); }
    ~CFilterLockScope() { LeaveCriticalSection(&m_lock); }

private:
    CRITICAL_SECTION& m_lock;
};
} // namespace

CKitPin::CKitPin(CKitFilter* filter, const wchar_t* name, PIN_DIRECTION direction)
    : m_filter(filter), m_direction(direction)
{
    m_name[0] = L'\0';
    wcsncat(m_name, name, MAX_PIN_NAME - 1);
}

CKitPin::~CKitPin()
{
    ClearConnection();
}

HRESULT CKitPin::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId == IID_IUnknown || interfaceId == IID_IPin)
        *object = static_cast<IPin*>(this);
    else
        return QueryPinInterface(interfaceId, object);
    AddRef();
    return S_OK;
}

HRESULT CKitPin::QueryPinInterface(REFIID, void**)
{
    return E_NOINTERFACE;
}

ULONG CKitPin::AddRef()
{
    return m_filter->AddRef();
}

ULONG CKitPin::Release()
{
    return m_filter->Release();
}

HRESULT CKitPin::Connect(IPin*, const AM_MEDIA_TYPE*)
{
    return E_UNEXPECTED;
}

HRESULT CKitPin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type)
{
    if (!connector || !type)
        return E_POINTER;
    CFilterLockScope scope(m_filter);
    if (m_direction != PINDIR_INPUT)
        return E_UNEXPECTED;
    if (m_connected)
        return VFW_E_ALREADY_CONNECTED;
    if (m_filter->State() != State_Stopped)
        return VFW_E_NOT_STOPPED;
    if (CheckMediaType(type) != S_OK)
        return VFW_E_TYPE_NOT_ACCEPTED;
    HRESULT result = SetConnection(connector, type);
    if (SUCCEEDED(result))
        result = OnConnected();
    if (FAILED(result))
        ClearConnection();
    return result;
}

HRESULT CKitPin::Disconnect()
{
    CFilterLockScope scope(m_filter);
    if (m_filter->State() != State_Stopped)
        return VFW_E_NOT_STOPPED;
    if (!m_connected)
        return S_FALSE;
    ClearConnection();
    return S_OK;
}

HRESULT CKitPin::SetConnection(IPin* peer, const AM_MEDIA_TYPE* type)
{
    HRESULT result = KitCopyMediaType(&m_type, type);
    if (FAILED(result))
        return result;
    m_connected = peer;
    m_connected->AddRef();
    return S_OK;
}

void CKitPin::ClearConnection()
{
    if (!m_connected)
        return;
    OnDisconnected();
    m_connected->Release();
    m_connected = nullptr;
    KitFreeMediaType(m_type);
    ZeroMemory(&m_type, sizeof(m_type));
}

HRESULT CKitPin::OnConnected()
{
    return S_OK;
}

void CKitPin::OnDisconnected() {}

HRESULT CKitPin::ConnectedTo(IPin** pin)
{
    if (!pin)
        return E_POINTER;
    CFilterLockScope scope(m_filter);
    *pin = m_connected;
    if (!m_connected)
        return VFW_E_NOT_CONNECTED;
    m_connected->AddRef();
    return S_OK;
}

HRESULT CKitPin::ConnectionMediaType(AM_MEDIA_TYPE* type)
{
    if (!type)
        return E_POINTER;
    CFilterLockScope scope(m_filter);
    if (!m_connected)
    {
        ZeroMemory(type, sizeof(*type));
        return VFW_E_NOT_CONNECTED;
    }
    return KitCopyMediaType(type, &m_type);
}

HRESULT CKitPin::QueryPinInfo(PIN_INFO* info)
{
    if (!info)
        return E_POINTER;
    info->pFilter = m_filter;
    m_filter->AddRef();
    info->dir = m_direction;
    wcscpy(info->achName, m_name);
    return S_OK;
}

HRESULT CKitPin::QueryDirection(PIN_DIRECTION* direction)
{
    if (!direction)
        return E_POINTER;
    *direction = m_direction;
    return S_OK;
}

HRESULT CKitPin::QueryId(LPWSTR* id)
{
    if (!id)
        return E_POINTER;
    size_t bytes = (wcslen(m_name) + 1) * sizeof(wchar_t);
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (!*id)
        return E_OUTOFMEMORY;
    CopyMemory(*id, m_name, bytes);
    return S_OK;
}

HRESULT CKitPin::QueryAccept(const AM_MEDIA_TYPE* type)
{
    if (!type)
        return E_POINTER;
    return CheckMediaType(type) == S_OK ? S_OK : S_FALSE;
}

HRESULT CKitPin::GetMediaType(int, AM_MEDIA_TYPE*)
{
    return VFW_S_NO_MORE_ITEMS;
}

HRESULT CKitPin::EnumMediaTypes(IEnumMediaTypes** types)
{
    if (!types)
        return E_POINTER;
    *types = new CKitMediaTypeEnum(this, 0);
    return S_OK;
}

HRESULT CKitPin::QueryInternalConnections(IPin**, ULONG*)
{
    return E_NOTIMPL;
}

HRESULT CKitPin::EndOfStream()
{
    return E_UNEXPECTED;
}

HRESULT CKitPin::BeginFlush()
{
    return E_UNEXPECTED;
}

HRESULT CKitPin::EndFlush()
{
    return E_UNEXPECTED;
}

HRESULT CKitPin::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double)
{
    return S_OK;
}

HRESULT KitCreateTypeOf(CKitPin& pin, int index, AM_MEDIA_TYPE** type)
{
    if (!type)
        return E_POINTER;
    AM_MEDIA_TYPE entry{};
    HRESULT result = pin.GetMediaType(index, &entry);
    if (result != S_OK)
        return FAILED(result) ? result : E_FAIL;
    *type = KitCreateMediaType(&entry);
    KitFreeMediaType(entry);
    return *type ? S_OK : E_OUTOFMEMORY;
}

#pragma once
// CKitPin: a pin of a CKitFilter. It lives inside its filter and counts its references
// there. It keeps its name, direction and connection; a pin of a kind says which media
// types it takes (CheckMediaType) and offers (GetMediaType). This base accepts
// connections as an input pin does; an output pin overrides Connect.
#include <windows.h>
#include <strmif.h>
#include <vfwmsgs.h>

class CKitFilter;

class CKitPin : public IPin
{
public:
    CKitPin(CKitFilter* filter, const wchar_t* name, PIN_DIRECTION direction);
    CKitPin(const CKitPin&) = delete;
    CKitPin& operator=(const CKitPin&) = delete;
    virtual ~CKitPin();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE ConnectedTo(IPin** pin) override;
    HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO* info) override;
    HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* direction) override;
    HRESULT STDMETHODCALLTYPE QueryId(LPWSTR* id) override;
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes** types) override;
    HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin** pins, ULONG* count) override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;

    // S_OK when the pin takes the type, else a failure code.
    virtual HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) = 0;
    // The index-th type the pin offers, copied into type; VFW_S_NO_MORE_ITEMS past the
    // last. None by default.
    virtual HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type);

    const wchar_t* Name() const { return m_name; }
    CKitFilter* Filter() const { return m_filter; }
    bool IsConnected() const { return m_connected != nullptr; }
    IPin* ConnectedPin() const { return m_connected; }
    const AM_MEDIA_TYPE& MediaType() const { return m_type; }

protected:
    // Interfaces the pin adds; E_NOINTERFACE when it has none of that id.
    virtual HRESULT QueryPinInterface(REFIID interfaceId, void** object);
    // The connection is made (the peer and type are set); a failure undoes it.
    virtual HRESULT OnConnected();
    virtual void OnDisconnected();
    // Keeps peer and a copy of type as the connection.
    HRESULT SetConnection(IPin* peer, const AM_MEDIA_TYPE* type);
    void ClearConnection();

private:
    CKitFilter* m_filter;
    wchar_t m_name[MAX_PIN_NAME];
    PIN_DIRECTION m_direction;
    IPin* m_connected = nullptr;
    AM_MEDIA_TYPE m_type{};
};

// The index-th type the pin offers, made with the task allocator for an out parameter
// (IAMStreamConfig's GetFormat and GetStreamCaps).
HRESULT KitCreateTypeOf(CKitPin& pin, int index, AM_MEDIA_TYPE** type);

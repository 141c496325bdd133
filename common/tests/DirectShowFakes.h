#pragma once
// Stand-ins for DirectShow's device and pin interfaces. Each object starts with the one
// reference its test holds and is never deleted by Release, so a test checks with
// Refs() == 1 that every reference handed out came back; a double release shows as 0.
#include <strmif.h>
#include <string>
#include <vector>

// COM initialised on the test's thread for the object's life.
class ComThread
{
public:
    ComThread() { CoInitialize(nullptr); }
    ~ComThread() { CoUninitialize(); }
};

// The pin's name; empty when it cannot be read.
inline std::wstring PinName(IPin* pin)
{
    PIN_INFO info = {};
    if (FAILED(pin->QueryPinInfo(&info)))
        return L"";
    if (info.pFilter)
        info.pFilter->Release();
    return info.achName;
}

class FakeRefCount
{
public:
    LONG Refs() const { return m_refs; }

protected:
    ULONG Add() { return static_cast<ULONG>(++m_refs); }
    ULONG Drop() { return static_cast<ULONG>(--m_refs); }

private:
    LONG m_refs = 1;
};

// A device moniker whose property bag holds a "FriendlyName" (none when name is null).
class FakeMoniker : public IMoniker, public IPropertyBag, public FakeRefCount
{
public:
    explicit FakeMoniker(const wchar_t* name) : m_hasName(name != nullptr), m_name(name ? name : L"") {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IMoniker || iid == IID_IPersist || iid == IID_IPersistStream)
            *object = static_cast<IMoniker*>(this);
        else if (iid == IID_IPropertyBag)
            *object = static_cast<IPropertyBag*>(this);
        else
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP BindToStorage(IBindCtx*, IMoniker*, REFIID iid, void** object) override
    {
        if (iid != IID_IPropertyBag)
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return QueryInterface(iid, object);
    }
    STDMETHODIMP Read(LPCOLESTR property, VARIANT* value, IErrorLog*) override
    {
        if (!m_hasName || std::wstring(property) != L"FriendlyName")
            return E_FAIL;
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocString(m_name.c_str());
        return S_OK;
    }
    STDMETHODIMP Write(LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }

    STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP IsDirty() override { return E_NOTIMPL; }
    STDMETHODIMP Load(IStream*) override { return E_NOTIMPL; }
    STDMETHODIMP Save(IStream*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP BindToObject(IBindCtx*, IMoniker*, REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP Reduce(IBindCtx*, DWORD, IMoniker**, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP ComposeWith(IMoniker*, BOOL, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP Enum(BOOL, IEnumMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP IsEqual(IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP Hash(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP IsRunning(IBindCtx*, IMoniker*, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTimeOfLastChange(IBindCtx*, IMoniker*, FILETIME*) override { return E_NOTIMPL; }
    STDMETHODIMP Inverse(IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP CommonPrefixWith(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP RelativePathTo(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetDisplayName(IBindCtx*, IMoniker*, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP ParseDisplayName(IBindCtx*, IMoniker*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP IsSystemMoniker(DWORD*) override { return E_NOTIMPL; }

private:
    bool m_hasName;
    std::wstring m_name;
};

// Hands out the given monikers, one at a time, each with a new reference.
class FakeEnumMoniker : public IEnumMoniker, public FakeRefCount
{
public:
    explicit FakeEnumMoniker(std::vector<IMoniker*> devices) : m_devices(std::move(devices)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IEnumMoniker)
            return E_NOINTERFACE;
        *object = static_cast<IEnumMoniker*>(this);
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP Next(ULONG count, IMoniker** devices, ULONG* fetched) override
    {
        ULONG given = 0;
        for (; given < count && m_next < m_devices.size(); ++given)
        {
            devices[given] = m_devices[m_next++];
            devices[given]->AddRef();
        }
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
    STDMETHODIMP Reset() override
    {
        m_next = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumMoniker**) override { return E_NOTIMPL; }

private:
    std::vector<IMoniker*> m_devices;
    size_t m_next = 0;
};

// A device enumerator whose every category holds the devices of one enumeration (none:
// S_FALSE and no enumeration, as the system's enumerator answers for an empty category).
class FakeCreateDevEnum : public ICreateDevEnum, public FakeRefCount
{
public:
    explicit FakeCreateDevEnum(FakeEnumMoniker* devices) : m_devices(devices) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_ICreateDevEnum)
            return E_NOINTERFACE;
        *object = static_cast<ICreateDevEnum*>(this);
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP CreateClassEnumerator(REFCLSID, IEnumMoniker** devices, DWORD) override
    {
        *devices = m_devices;
        if (!m_devices)
            return S_FALSE;
        m_devices->Reset();
        m_devices->AddRef();
        return S_OK;
    }

private:
    FakeEnumMoniker* m_devices;
};

class FakeFilter;

// A pin with an optional audio input mixer that records what it was told.
class FakePin final : public IPin, public IAMAudioInputMixer, public FakeRefCount
{
public:
    enum class Mixer
    {
        Untouched,
        On,
        Off
    };
    struct Options
    {
        bool directionFails = false;
        bool nameFails = false;
        bool hasMixer = false;
    };

    FakePin(IBaseFilter* owner, const wchar_t* name, PIN_DIRECTION direction, Options options)
        : m_owner(owner), m_name(name), m_direction(direction), m_options(options)
    {
    }

    Mixer MixerState() const { return m_mixer; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IPin)
            *object = static_cast<IPin*>(this);
        else if (iid == IID_IAMAudioInputMixer && m_options.hasMixer)
            *object = static_cast<IAMAudioInputMixer*>(this);
        else
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP QueryPinInfo(PIN_INFO* info) override
    {
        if (m_options.nameFails)
            return E_FAIL;
        info->pFilter = m_owner;
        m_owner->AddRef();
        info->dir = m_direction;
        lstrcpynW(info->achName, m_name.c_str(), MAX_PIN_NAME);
        return S_OK;
    }
    STDMETHODIMP QueryDirection(PIN_DIRECTION* direction) override
    {
        if (m_options.directionFails)
            return E_FAIL;
        *direction = m_direction;
        return S_OK;
    }
    STDMETHODIMP put_Enable(BOOL enable) override
    {
        m_mixer = enable ? Mixer::On : Mixer::Off;
        return S_OK;
    }

    STDMETHODIMP Connect(IPin*, const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    STDMETHODIMP ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    STDMETHODIMP Disconnect() override { return E_NOTIMPL; }
    STDMETHODIMP ConnectedTo(IPin**) override { return E_NOTIMPL; }
    STDMETHODIMP ConnectionMediaType(AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryId(LPWSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryAccept(const AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    STDMETHODIMP EnumMediaTypes(IEnumMediaTypes**) override { return E_NOTIMPL; }
    STDMETHODIMP QueryInternalConnections(IPin**, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP EndOfStream() override { return E_NOTIMPL; }
    STDMETHODIMP BeginFlush() override { return E_NOTIMPL; }
    STDMETHODIMP EndFlush() override { return E_NOTIMPL; }
    STDMETHODIMP NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return E_NOTIMPL; }
    STDMETHODIMP get_Enable(BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Mono(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Mono(BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_MixLevel(double) override { return E_NOTIMPL; }
    STDMETHODIMP get_MixLevel(double*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Pan(double) override { return E_NOTIMPL; }
    STDMETHODIMP get_Pan(double*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Loudness(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Loudness(BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Treble(double) override { return E_NOTIMPL; }
    STDMETHODIMP get_Treble(double*) override { return E_NOTIMPL; }
    STDMETHODIMP get_TrebleRange(double*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Bass(double) override { return E_NOTIMPL; }
    STDMETHODIMP get_Bass(double*) override { return E_NOTIMPL; }
    STDMETHODIMP get_BassRange(double*) override { return E_NOTIMPL; }

private:
    IBaseFilter* m_owner;
    std::wstring m_name;
    PIN_DIRECTION m_direction;
    Options m_options;
    Mixer m_mixer = Mixer::Untouched;
};

// A filter with the pins added to it, in that order. OpenEnumerations() counts the pin
// enumerations not yet released.
class FakeFilter : public IBaseFilter, public FakeRefCount
{
public:
    ~FakeFilter()
    {
        for (FakePin* pin : m_pins)
            delete pin;
    }

    FakePin& AddPin(const wchar_t* name, PIN_DIRECTION direction, FakePin::Options options = {})
    {
        m_pins.push_back(new FakePin(this, name, direction, options));
        return *m_pins.back();
    }
    const std::vector<FakePin*>& Pins() const { return m_pins; }
    int OpenEnumerations() const { return m_openEnumerations; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IPersist && iid != IID_IMediaFilter && iid != IID_IBaseFilter)
            return E_NOINTERFACE;
        *object = static_cast<IBaseFilter*>(this);
        Add();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP EnumPins(IEnumPins** pins) override
    {
        *pins = new Enumeration(*this);
        return S_OK;
    }

    STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP Stop() override { return E_NOTIMPL; }
    STDMETHODIMP Pause() override { return E_NOTIMPL; }
    STDMETHODIMP Run(REFERENCE_TIME) override { return E_NOTIMPL; }
    STDMETHODIMP GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
    STDMETHODIMP SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
    STDMETHODIMP GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
    STDMETHODIMP FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
    STDMETHODIMP QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
    STDMETHODIMP JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }

private:
    // One walk over the pins; deleted with its last reference.
    class Enumeration final : public IEnumPins
    {
    public:
        explicit Enumeration(FakeFilter& filter) : m_filter(filter) { ++m_filter.m_openEnumerations; }
        ~Enumeration() { --m_filter.m_openEnumerations; }

        STDMETHODIMP QueryInterface(REFIID iid, void** object) override
        {
            *object = nullptr;
            if (iid != IID_IUnknown && iid != IID_IEnumPins)
                return E_NOINTERFACE;
            *object = static_cast<IEnumPins*>(this);
            AddRef();
            return S_OK;
        }
        STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
        STDMETHODIMP_(ULONG) Release() override
        {
            const ULONG refs = --m_refs;
            if (refs == 0)
                delete this;
            return refs;
        }
        STDMETHODIMP Next(ULONG count, IPin** pins, ULONG* fetched) override
        {
            ULONG given = 0;
            for (; given < count && m_next < m_filter.m_pins.size(); ++given)
            {
                pins[given] = m_filter.m_pins[m_next++];
                pins[given]->AddRef();
            }
            if (fetched)
                *fetched = given;
            return given == count ? S_OK : S_FALSE;
        }
        STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
        STDMETHODIMP Reset() override
        {
            m_next = 0;
            return S_OK;
        }
        STDMETHODIMP Clone(IEnumPins**) override { return E_NOTIMPL; }

    private:
        FakeFilter& m_filter;
        ULONG m_refs = 1;
        size_t m_next = 0;
    };

    std::vector<FakePin*> m_pins;
    int m_openEnumerations = 0;
};

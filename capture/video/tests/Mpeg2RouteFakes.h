#pragma once
// Fakes of the MPEG-2 filters that the platform lacks, made of the filter kit so that a
// real filter graph connects them: a source with one output of a given media type, a
// file writer ("Dump") that takes any stream, and a demultiplexer that records the
// outputs it is asked for (their media types and stream ids). FakeClass makes the
// writer or the demultiplexer the class that CoCreateInstance creates in this process
// for the class id, while the object lives.
#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitInputPin.h"
#include "standins/filterkit/CKitOutputPin.h"
#include "standins/filterkit/KitMediaType.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

namespace mpeg2_fakes
{
// Takes every media type and drops what it receives.
class SinkPin final : public CKitInputPin
{
public:
    SinkPin(CKitFilter* filter, const wchar_t* name) : CKitInputPin(filter, name) {}
    HRESULT CheckMediaType(const AM_MEDIA_TYPE*) override { return S_OK; }

protected:
    HRESULT OnReceive(IMediaSample*) override { return S_OK; }
    HRESULT OnEndOfStream() override { return S_OK; }
};

// Offers one media type; with map, also records the stream ids mapped to it.
class OfferPin final : public CKitOutputPin, public IMPEG2StreamIdMap
{
public:
    OfferPin(CKitFilter* filter, const wchar_t* name, const AM_MEDIA_TYPE& type) : CKitOutputPin(filter, name)
    {
        KitCopyMediaType(&m_type, &type);
    }
    ~OfferPin() override { KitFreeMediaType(m_type); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return CKitPin::QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CKitPin::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CKitPin::Release(); }

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override
    {
        return type->majortype == m_type.majortype && type->subtype == m_type.subtype ? S_OK : S_FALSE;
    }
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override
    {
        return index == 0 ? KitCopyMediaType(type, &m_type) : VFW_S_NO_MORE_ITEMS;
    }

    HRESULT STDMETHODCALLTYPE MapStreamId(ULONG streamId, DWORD contentType, ULONG offset, int carry) override
    {
        mapped.push_back({streamId, contentType, offset, carry});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UnmapStreamId(ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumStreamIdMap(IEnumStreamIdMap**) override { return E_NOTIMPL; }

    const AM_MEDIA_TYPE& Type() const { return m_type; }

    struct Mapping
    {
        ULONG streamId;
        DWORD contentType;
        ULONG offset;
        int carry;
    };
    std::vector<Mapping> mapped;

protected:
    HRESULT QueryPinInterface(REFIID id, void** object) override
    {
        if (id != IID_IMPEG2StreamIdMap)
            return E_NOINTERFACE;
        *object = static_cast<IMPEG2StreamIdMap*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override
    {
        properties.cBuffers = 1;
        properties.cbBuffer = 4096;
        properties.cbAlign = 1;
        return S_OK;
    }

private:
    AM_MEDIA_TYPE m_type{};
};

inline AM_MEDIA_TYPE StreamType(REFGUID major, REFGUID subtype)
{
    AM_MEDIA_TYPE type{};
    type.majortype = major;
    type.subtype = subtype;
    type.bFixedSizeSamples = TRUE;
    type.lSampleSize = 1;
    return type;
}

// A source whose one output offers a type of that major type and subtype.
class Source final : public CKitFilter
{
public:
    Source(REFGUID major, REFGUID subtype) : CKitFilter(GUID_NULL), m_output(this, L"Out", StreamType(major, subtype))
    {
    }
    int PinCount() override { return 1; }
    CKitPin* PinAt(int index) override { return index == 0 ? &m_output : nullptr; }
    OfferPin& Output() { return m_output; }

private:
    OfferPin m_output;
};

// A kit filter that also answers one interface of its own.
template <class Interface> class FilterWith : public CKitFilter, public Interface
{
public:
    FilterWith(REFCLSID classId, REFIID interfaceId) : CKitFilter(classId), m_interfaceId(interfaceId) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return CKitFilter::QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CKitFilter::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CKitFilter::Release(); }

protected:
    HRESULT QueryFilterInterface(REFIID id, void** object) override
    {
        if (id != m_interfaceId)
            return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

private:
    IID m_interfaceId;
};

// The file writer: one input, and the file name it was given.
class DumpWriter final : public FilterWith<IFileSinkFilter>
{
public:
    explicit DumpWriter(REFCLSID classId) : FilterWith(classId, IID_IFileSinkFilter), m_input(this, L"Input") {}

    HRESULT STDMETHODCALLTYPE SetFileName(LPCOLESTR name, const AM_MEDIA_TYPE*) override
    {
        fileName = name;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*, AM_MEDIA_TYPE*) override { return E_NOTIMPL; }

    int PinCount() override { return 1; }
    CKitPin* PinAt(int index) override { return index == 0 ? &m_input : nullptr; }
    SinkPin& Input() { return m_input; }

    std::wstring fileName;

private:
    SinkPin m_input;
};

// The demultiplexer: one input; the outputs it is asked for, each with its stream ids.
class Demultiplexer final : public FilterWith<IMpeg2Demultiplexer>
{
public:
    explicit Demultiplexer(REFCLSID classId)
        : FilterWith(classId, IID_IMpeg2Demultiplexer), m_input(this, L"MPEG-2 Stream")
    {
    }

    HRESULT STDMETHODCALLTYPE CreateOutputPin(AM_MEDIA_TYPE* type, LPWSTR name, IPin** pin) override
    {
        outputs.push_back(std::make_unique<OfferPin>(this, name, *type));
        *pin = outputs.back().get();
        (*pin)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetOutputPinMediaType(LPWSTR, AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteOutputPin(LPWSTR) override { return E_NOTIMPL; }

    int PinCount() override { return 1 + static_cast<int>(outputs.size()); }
    CKitPin* PinAt(int index) override
    {
        if (index == 0)
            return &m_input;
        return index <= static_cast<int>(outputs.size()) ? outputs[index - 1].get() : nullptr;
    }
    SinkPin& Input() { return m_input; }

    std::vector<std::unique_ptr<OfferPin>> outputs;

private:
    SinkPin m_input;
};

// Serves the class id with new Filter objects in this process while it lives; keeps a
// reference to the last one made.
template <class Filter> class FakeClass final : public IClassFactory
{
public:
    explicit FakeClass(REFCLSID classId) : m_classId(classId)
    {
        m_registered = SUCCEEDED(CoRegisterClassObject(classId, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                                       &m_cookie));
    }
    ~FakeClass()
    {
        if (m_registered)
            CoRevokeClassObject(m_cookie);
        if (made)
            made->Release();
    }
    FakeClass(const FakeClass&) = delete;
    FakeClass& operator=(const FakeClass&) = delete;

    bool Registered() const { return m_registered; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id != IID_IUnknown && id != IID_IClassFactory)
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto filter = new (std::nothrow) Filter(m_classId);
        if (!filter)
            return E_OUTOFMEMORY;
        const HRESULT result = filter->QueryInterface(id, object);
        if (made)
            made->Release();
        made = filter; // keeps the reference it was made with
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    Filter* made = nullptr;

private:
    CLSID m_classId;
    DWORD m_cookie = 0;
    bool m_registered = false;
};
} // namespace mpeg2_fakes

#pragma once
// Fakes of the MPEG-2 filters that the platform lacks, made of the filter kit so that a
// real filter graph connects them: a source with one output of a given media type, a
// file writer ("Dump") that takes any stream, a demultiplexer that records the outputs
// it is asked for (their media types and stream ids), and a hardware encoder. FakeClass makes the
// writer or the demultiplexer the class that CoCreateInstance creates in this process
// for the class id, while the object lives.
#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitInputPin.h"
#include "standins/filterkit/CKitOutputPin.h"
#include "standins/filterkit/KitMediaType.h"

#include <ks.h>
#include <uuids.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace mpeg2_fakes
{
// The first method of a kernel-streaming pin's interface (IID_IKsPin): its mediums.
struct KsPinMediums : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE KsQueryMediums(KSMULTIPLE_ITEM** list) = 0;
};

// A pin's one medium, told through IID_IKsPin once its set is given.
class PinMedium : public KsPinMediums
{
public:
    KSPIN_MEDIUM medium{};

    HRESULT STDMETHODCALLTYPE KsQueryMediums(KSMULTIPLE_ITEM** list) override
    {
        const ULONG size = sizeof(KSMULTIPLE_ITEM) + sizeof(KSPIN_MEDIUM);
        auto item = static_cast<KSMULTIPLE_ITEM*>(CoTaskMemAlloc(size));
        if (!item)
            return E_OUTOFMEMORY;
        item->Size = size;
        item->Count = 1;
        *reinterpret_cast<KSPIN_MEDIUM*>(item + 1) = medium;
        *list = item;
        return S_OK;
    }

protected:
    bool AnswersMedium(REFIID id, void** object)
    {
        if (id != IID_IKsPin || medium.Set == GUID_NULL)
            return false;
        *object = static_cast<KsPinMediums*>(this);
        return true;
    }
};

// Takes the media types of that major type and subtype (GUID_NULL: any) and drops what
// it receives.
class SinkPin final : public CKitInputPin, public PinMedium
{
public:
    SinkPin(CKitFilter* filter, const wchar_t* name, REFGUID major = GUID_NULL, REFGUID subtype = GUID_NULL)
        : CKitInputPin(filter, name), m_major(major), m_subtype(subtype)
    {
    }
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override
    {
        return (m_major == GUID_NULL || type->majortype == m_major) &&
                       (m_subtype == GUID_NULL || type->subtype == m_subtype)
                   ? S_OK
                   : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return CKitInputPin::QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CKitInputPin::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CKitInputPin::Release(); }

protected:
    HRESULT QueryPinInterface(REFIID id, void** object) override
    {
        if (!AnswersMedium(id, object))
            return CKitInputPin::QueryPinInterface(id, object);
        AddRef();
        return S_OK;
    }
    HRESULT OnReceive(IMediaSample*) override { return S_OK; }
    HRESULT OnEndOfStream() override { return S_OK; }

private:
    GUID m_major;
    GUID m_subtype;
};

// Offers one media type; records the stream ids mapped to it.
class OfferPin final : public CKitOutputPin, public IMPEG2StreamIdMap, public PinMedium
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
        if (id == IID_IMPEG2StreamIdMap)
            *object = static_cast<IMPEG2StreamIdMap*>(this);
        else if (!AnswersMedium(id, object))
            return E_NOINTERFACE;
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

// The file writer: one input (of any stream, or of the subtype given), and the file name
// it was given.
class DumpWriter final : public FilterWith<IFileSinkFilter>
{
public:
    explicit DumpWriter(REFCLSID classId, REFGUID subtype = GUID_NULL)
        : FilterWith(classId, IID_IFileSinkFilter), m_input(this, L"Input", GUID_NULL, subtype)
    {
    }

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

// A hardware encoder or a multiplexer: one input of a major type, one output of an
// MPEG-2 stream of that subtype; with a second major type, a second input.
class Encoder final : public CKitFilter
{
public:
    explicit Encoder(REFCLSID classId, REFGUID inputMajor = MEDIATYPE_Video,
                     REFGUID outputSubtype = MEDIASUBTYPE_MPEG2_PROGRAM, REFGUID secondInputMajor = GUID_NULL)
        : CKitFilter(classId), m_input(this, L"In", inputMajor),
          m_output(this, L"MPEG-2 Out", StreamType(MEDIATYPE_Stream, outputSubtype))
    {
        if (secondInputMajor != GUID_NULL)
            m_second = std::make_unique<SinkPin>(this, L"Second In", secondInputMajor);
    }
    int PinCount() override { return m_second ? 3 : 2; }
    CKitPin* PinAt(int index) override
    {
        CKitPin* pins[] = {&m_input, &m_output, m_second.get()};
        return index >= 0 && index < PinCount() ? pins[index] : nullptr;
    }
    SinkPin& Input() { return m_input; }
    SinkPin* SecondInput() { return m_second.get(); }
    OfferPin& Output() { return m_output; }

private:
    SinkPin m_input;
    OfferPin m_output;
    std::unique_ptr<SinkPin> m_second;
};

// A source with a video output and a sound output (PCM).
class AudioVideoSource final : public CKitFilter
{
public:
    AudioVideoSource()
        : CKitFilter(GUID_NULL), m_video(this, L"Video", StreamType(MEDIATYPE_Video, MEDIASUBTYPE_RGB32)),
          m_audio(this, L"Audio", StreamType(MEDIATYPE_Audio, MEDIASUBTYPE_PCM))
    {
    }
    int PinCount() override { return 2; }
    CKitPin* PinAt(int index) override
    {
        return index == 0 ? static_cast<CKitPin*>(&m_video) : index == 1 ? &m_audio : nullptr;
    }
    OfferPin& Video() { return m_video; }
    OfferPin& Audio() { return m_audio; }

private:
    OfferPin m_video;
    OfferPin m_audio;
};

// Serves the class id with new Filter objects (made by make, else Filter(classId)) in
// this process while it lives; keeps a reference to the last one made.
template <class Filter> class FakeClass final : public IClassFactory
{
public:
    explicit FakeClass(REFCLSID classId, std::function<Filter*(REFCLSID)> make = nullptr)
        : m_classId(classId), m_make(std::move(make))
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
        Filter* filter = m_make ? m_make(m_classId) : new (std::nothrow) Filter(m_classId);
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
    std::function<Filter*(REFCLSID)> m_make;
    DWORD m_cookie = 0;
    bool m_registered = false;
};
} // namespace mpeg2_fakes

// The recorder's capture graph builder: the AVI pair it makes where the platform cannot,
// the MPEG-2 writer and demultiplexer it asks for (neither is registered under Wine;
// fakes stand in for them where a route is followed), and the fixed format blocks of
// the demultiplexer's outputs.
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "capture/video/Mpeg2Blocks.h"
#include "capture/video/tests/Mpeg2RouteFakes.h"
#include "capture/video/tests/RecorderTestSupport.h"
#include "common/DirectShowUtilities.h"
#include "testing/TestFolder.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <ks.h>
#include <ksmedia.h>
#include <uuids.h>

namespace
{
template <class T> T At(const std::vector<BYTE>& block, size_t offset)
{
    T value{};
    std::memcpy(&value, block.data() + offset, sizeof(T));
    return value;
}

std::vector<std::wstring> FilterNames(IGraphBuilder* graph)
{
    std::vector<std::wstring> names;
    IEnumFilters* filters = nullptr;
    IBaseFilter* filter = nullptr;
    if (FAILED(graph->EnumFilters(&filters)))
        return names;
    while (filters->Next(1, &filter, nullptr) == S_OK)
    {
        FILTER_INFO info{};
        filter->QueryFilterInfo(&info);
        if (info.pGraph)
            info.pGraph->Release();
        names.push_back(info.achName);
        filter->Release();
    }
    filters->Release();
    return names;
}
} // namespace

class CaptureGraphBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                                  reinterpret_cast<void**>(&m_graph)));
        m_builder = std::make_unique<ISampleCaptureGraphBuilder>();
        ASSERT_HRESULT_SUCCEEDED(m_builder->SetFiltergraph(m_graph));
    }
    void TearDown() override
    {
        m_builder.reset();
        m_graph->Release();
        CoUninitialize();
    }

    TestFolder m_folder;
    IGraphBuilder* m_graph = nullptr;
    std::unique_ptr<ISampleCaptureGraphBuilder> m_builder;
};

TEST_F(CaptureGraphBuilderTest, AnAviFileGetsTheMultiplexerAndAWriterNamedByTheFile)
{
    const CString file = m_folder / L"take.avi";
    IBaseFilter* mux = nullptr;
    IFileSinkFilter* sink = nullptr;
    EXPECT_EQ(E_INVALIDARG, m_builder->SetOutputFileName(&MEDIASUBTYPE_Avi, file, nullptr, &sink));
    ASSERT_HRESULT_SUCCEEDED(m_builder->SetOutputFileName(&MEDIASUBTYPE_Avi, file, &mux, &sink));
    ASSERT_TRUE(mux && sink);
    IConfigAviMux* config = nullptr;
    EXPECT_HRESULT_SUCCEEDED(mux->QueryInterface(IID_IConfigAviMux, reinterpret_cast<void**>(&config)));
    const std::vector<std::wstring> names = FilterNames(m_graph);
    EXPECT_EQ(2u, names.size());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"AVI Mux"));
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), std::wstring(file.GetString())));
    if (config)
        config->Release();
    mux->Release();
    sink->Release();
}

TEST_F(CaptureGraphBuilderTest, TheMpeg2RoutesAskForFiltersThePlatformLacks)
{
    IBaseFilter* mux = nullptr;
    IFileSinkFilter* sink = nullptr;
    // The "Dump" writer and the demultiplexer are not registered: each call fails with
    // the class's failure and leaves nothing in the graph.
    EXPECT_EQ(REGDB_E_CLASSNOTREG,
              m_builder->SetOutputFileName(&MEDIASUBTYPE_Mpeg2Output, m_folder / L"take.mpg", &mux, &sink));
    IBaseFilter* camera = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_TestCamera, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                              reinterpret_cast<void**>(&camera)));
    m_graph->AddFilter(camera, L"camera");
    EXPECT_EQ(REGDB_E_CLASSNOTREG, m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Stream, camera, nullptr,
                                                          nullptr));
    EXPECT_EQ(E_INVALIDARG, m_builder->RenderStream(nullptr, &MEDIATYPE_Stream, nullptr, nullptr, nullptr));
    EXPECT_EQ(1u, FilterNames(m_graph).size());
    camera->Release();
}

TEST(Mpeg2Blocks, AreTheFixedVideoAndAudioFormats)
{
    const std::vector<BYTE> video = Mpeg2VideoBlock();
    ASSERT_EQ(218u, video.size());
    EXPECT_EQ(720, At<LONG>(video, 8));
    EXPECT_EQ(480, At<LONG>(video, 12));
    EXPECT_EQ(4000000u, At<DWORD>(video, 32));
    EXPECT_EQ(333667, At<LONGLONG>(video, 40));
    EXPECT_EQ(4u, At<DWORD>(video, 56));
    EXPECT_EQ(3u, At<DWORD>(video, 60));
    EXPECT_EQ(40u, At<DWORD>(video, 72));
    EXPECT_EQ(720, At<LONG>(video, 76));
    EXPECT_EQ(53031, At<LONG>(video, 100));
    EXPECT_EQ(455832u, At<DWORD>(video, 112));
    EXPECT_EQ(86u, At<DWORD>(video, 116));
    EXPECT_EQ(2u, At<DWORD>(video, 120));
    EXPECT_EQ(2u, At<DWORD>(video, 124));
    const BYTE start[] = {0x00, 0x00, 0x01, 0xb3, 0x2d, 0x01, 0xe0, 0x24};
    EXPECT_EQ(0, std::memcmp(video.data() + 132, start, sizeof(start)));
    EXPECT_EQ(0x00, video[217]);
    EXPECT_EQ(0x01, video[215]);

    const std::vector<BYTE> audio = Mpeg2AudioBlock();
    const BYTE expected[40] = {0x50, 0,    2,    0,    0x80, 0xbb, 0,    0,    0x00, 0x7d, 0,    0,    0x00, 0x03,
                               0,    0,    22,   0,    2,    0,    0x00, 0xe8, 0x03, 0,    1,    0,    1,    0,
                               1,    0,    0x1c, 0,    0,    0,    0,    0,    0,    0,    0,    0};
    ASSERT_EQ(40u, audio.size());
    EXPECT_EQ(0, std::memcmp(audio.data(), expected, 40));
}

namespace
{
using namespace mpeg2_fakes;

std::vector<BYTE> FormatBytes(const AM_MEDIA_TYPE& type)
{
    return std::vector<BYTE>(type.pbFormat, type.pbFormat + type.cbFormat);
}

IPin* PeerOf(CKitPin& pin)
{
    return pin.ConnectedPin();
}
} // namespace

TEST_F(CaptureGraphBuilderTest, AnMpeg2PreviewRoutesTheProgramStreamThroughTheDemultiplexersTwoOutputs)
{
    FakeClass<Demultiplexer> demultiplexers(CLSID_MPEG2Demultiplexer);
    ASSERT_TRUE(demultiplexers.Registered());
    Source* source = new Source(MEDIATYPE_Stream, MEDIASUBTYPE_MPEG2_PROGRAM);
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"tuner"));

    // Rendering the outputs is the platform's (it may lack an MPEG-2 decoder); the route
    // up to them is the builder's.
    m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Stream, static_cast<IBaseFilter*>(source), nullptr,
                            nullptr);
    Demultiplexer* demultiplexer = demultiplexers.made;
    ASSERT_NE(nullptr, demultiplexer);
    const std::vector<std::wstring> names = FilterNames(m_graph);
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"MPEG2 Demux"));
    EXPECT_EQ(static_cast<IPin*>(&demultiplexer->Input()), PeerOf(source->Output()));

    ASSERT_EQ(2u, demultiplexer->outputs.size());
    const struct
    {
        const wchar_t* name;
        GUID major, subtype, format;
        std::vector<BYTE> block;
        ULONG streamId;
    } expected[] = {
        {L"MpegVideo", MEDIATYPE_Video, MEDIASUBTYPE_MPEG2_VIDEO, FORMAT_MPEG2Video, Mpeg2VideoBlock(), 0xE0},
        {L"MpegAudio", MEDIATYPE_Audio, MEDIASUBTYPE_MPEG2_AUDIO, FORMAT_WaveFormatEx, Mpeg2AudioBlock(), 0xC0},
    };
    for (size_t i = 0; i < 2; ++i)
    {
        const OfferPin& output = *demultiplexer->outputs[i];
        const AM_MEDIA_TYPE& type = output.Type();
        EXPECT_STREQ(expected[i].name, output.Name());
        EXPECT_TRUE(type.majortype == expected[i].major && type.subtype == expected[i].subtype &&
                    type.formattype == expected[i].format)
            << i;
        EXPECT_TRUE(type.bFixedSizeSamples);
        EXPECT_FALSE(type.bTemporalCompression);
        EXPECT_EQ(0u, type.lSampleSize);
        EXPECT_EQ(expected[i].block, FormatBytes(type)) << "the block byte for byte, " << i;
        ASSERT_EQ(1u, output.mapped.size());
        EXPECT_EQ(expected[i].streamId, output.mapped[0].streamId);
        EXPECT_EQ(static_cast<DWORD>(MPEG2_PROGRAM_ELEMENTARY_STREAM), output.mapped[0].contentType);
        EXPECT_EQ(0u, output.mapped[0].offset);
        EXPECT_EQ(0, output.mapped[0].carry);
    }
    m_builder->ReleaseRouteFilters();
    source->Release();
}

TEST_F(CaptureGraphBuilderTest, AnMpeg2CaptureAfterTheOutputFileGoesStraightToTheDumpWriter)
{
    FakeClass<DumpWriter> writers(CLSID_Mpeg2DumpWriter);
    FakeClass<Demultiplexer> demultiplexers(CLSID_MPEG2Demultiplexer);
    ASSERT_TRUE(writers.Registered() && demultiplexers.Registered());
    const CString file = m_folder / L"take.mpg";
    IBaseFilter* untouched = reinterpret_cast<IBaseFilter*>(1);
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(S_OK, m_builder->SetOutputFileName(&MEDIASUBTYPE_Mpeg2Output, file, &untouched, &sink));
    DumpWriter* writer = writers.made;
    ASSERT_NE(nullptr, writer);
    EXPECT_EQ(static_cast<IFileSinkFilter*>(writer), sink);
    EXPECT_EQ(reinterpret_cast<IBaseFilter*>(1), untouched) << "no multiplexer is handed out";
    EXPECT_EQ(std::wstring(file.GetString()), writer->fileName);

    Source* source = new Source(MEDIATYPE_Video, MEDIASUBTYPE_MPEG2_VIDEO);
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"encoder card"));
    EXPECT_EQ(S_OK, m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Stream,
                                            static_cast<IBaseFilter*>(source), nullptr,
                                            static_cast<IBaseFilter*>(writer)));
    EXPECT_EQ(static_cast<IPin*>(&writer->Input()), PeerOf(source->Output()));
    EXPECT_EQ(nullptr, demultiplexers.made);
    std::vector<std::wstring> names = FilterNames(m_graph);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::wstring>{L"Dump", L"encoder card"}), names) << "nothing else is rendered";
    sink->Release();
    m_builder->ReleaseRouteFilters();
    source->Release();
}

TEST_F(CaptureGraphBuilderTest, AnMpeg2RouteFromASourceWithoutAnMpeg2OutputLeavesNoDemultiplexer)
{
    FakeClass<Demultiplexer> demultiplexers(CLSID_MPEG2Demultiplexer);
    Source* source = new Source(MEDIATYPE_Video, MEDIASUBTYPE_RGB32);
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"camera"));
    EXPECT_EQ(E_FAIL, m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Stream,
                                              static_cast<IBaseFilter*>(source), nullptr, nullptr));
    EXPECT_NE(nullptr, demultiplexers.made) << "the demultiplexer was taken";
    EXPECT_EQ((std::vector<std::wstring>{L"camera"}), FilterNames(m_graph)) << "and removed again";
    EXPECT_EQ(nullptr, PeerOf(source->Output()));
    source->Release();
}

namespace
{
// {5C0D1E2A-7B3F-4E8A-9C61-0A1B2C3D4E5F}
const CLSID kFakeEncoderClass = {0x5c0d1e2a, 0x7b3f, 0x4e8a, {0x9c, 0x61, 0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f}};
// {5C0D1E2B-7B3F-4E8A-9C61-0A1B2C3D4E5F}
const CLSID kFakeAudioEncoderClass = {0x5c0d1e2b, 0x7b3f, 0x4e8a, {0x9c, 0x61, 0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f}};
// {5C0D1E2D-7B3F-4E8A-9C61-0A1B2C3D4E5F}
const CLSID kFakeMediumEncoderClass = {0x5c0d1e2d, 0x7b3f, 0x4e8a, {0x9c, 0x61, 0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f}};
// {5C0D1E2C-7B3F-4E8A-9C61-0A1B2C3D4E5F}
const CLSID kFakeMultiplexerClass = {0x5c0d1e2c, 0x7b3f, 0x4e8a, {0x9c, 0x61, 0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f}};

// The graph's filter of that name, a fake encoder, with a reference; null when none.
Encoder* Named(IGraphBuilder* graph, const wchar_t* name)
{
    IBaseFilter* filter = nullptr;
    if (FindFilterByName(graph, name, &filter) != S_OK)
        return nullptr;
    return static_cast<Encoder*>(static_cast<CKitFilter*>(filter));
}

// Lists a fake class among the devices of a category while the object lives.
class ListedDevice
{
public:
    ListedDevice(REFCLSID classId, REFCLSID category, const wchar_t* instance)
        : m_classId(classId), m_category(category), m_instance(instance)
    {
        REGFILTER2 filter{};
        filter.dwVersion = 2;
        filter.dwMerit = MERIT_DO_NOT_USE;
        if (SUCCEEDED(CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                                       reinterpret_cast<void**>(&m_mapper))))
            m_listed = SUCCEEDED(
                m_mapper->RegisterFilter(classId, instance, nullptr, &category, instance, &filter));
    }
    ~ListedDevice()
    {
        if (m_listed)
            m_mapper->UnregisterFilter(&m_category, m_instance, m_classId);
        if (m_mapper)
            m_mapper->Release();
    }
    bool Listed() const { return m_listed; }

private:
    CLSID m_classId;
    CLSID m_category;
    const wchar_t* m_instance;
    IFilterMapper2* m_mapper = nullptr;
    bool m_listed = false;
};
} // namespace

TEST_F(CaptureGraphBuilderTest, AnMpeg2CaptureFromAPlainVideoSourceGoesThroughAnEncoderDevice)
{
    FakeClass<DumpWriter> writers(CLSID_Mpeg2DumpWriter);
    FakeClass<Encoder> encoders(kFakeEncoderClass);
    ListedDevice listed(kFakeEncoderClass, KSCATEGORY_ENCODER, L"Vellumor Fake Encoder");
    ASSERT_TRUE(listed.Listed());
    IBaseFilter* mux = nullptr;
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(S_OK, m_builder->SetOutputFileName(&MEDIASUBTYPE_Mpeg2Output, m_folder / L"take.mpg", &mux, &sink));
    DumpWriter* writer = writers.made;
    ASSERT_NE(nullptr, writer);

    Source* source = new Source(MEDIATYPE_Video, MEDIASUBTYPE_RGB32);
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"camera"));
    EXPECT_EQ(S_OK, m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Stream,
                                            static_cast<IBaseFilter*>(source), nullptr,
                                            static_cast<IBaseFilter*>(writer)));
    Encoder* encoder = encoders.made;
    ASSERT_NE(nullptr, encoder);
    EXPECT_EQ(static_cast<IPin*>(&encoder->Input()), PeerOf(source->Output()));
    EXPECT_EQ(static_cast<IPin*>(&writer->Input()), PeerOf(encoder->Output()));
    std::vector<std::wstring> names = FilterNames(m_graph);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::wstring>{L"Dump", L"Encoder", L"camera"}), names);
    sink->Release();
    m_builder->ReleaseRouteFilters();
    source->Release();
}

TEST_F(CaptureGraphBuilderTest, AnEncoderTheWriterRefusesJoinsItThroughAMultiplexerThatAlsoTakesTheSound)
{
    // The writer takes transport streams only, which the multiplexer makes of the video
    // encoder's program stream and the audio encoder's stream.
    FakeClass<DumpWriter> writers(CLSID_Mpeg2DumpWriter, [](REFCLSID classId) {
        return new DumpWriter(classId, MEDIASUBTYPE_MPEG2_TRANSPORT);
    });
    FakeClass<Encoder> videoEncoders(kFakeEncoderClass);
    FakeClass<Encoder> audioEncoders(kFakeAudioEncoderClass, [](REFCLSID classId) {
        return new Encoder(classId, MEDIATYPE_Audio, MEDIASUBTYPE_MPEG2_AUDIO);
    });
    FakeClass<Encoder> multiplexers(kFakeMultiplexerClass, [](REFCLSID classId) {
        return new Encoder(classId, MEDIATYPE_Stream, MEDIASUBTYPE_MPEG2_TRANSPORT, MEDIATYPE_Stream);
    });
    ListedDevice videoListed(kFakeEncoderClass, KSCATEGORY_ENCODER, L"Vellumor Fake Encoder");
    ListedDevice audioListed(kFakeAudioEncoderClass, KSCATEGORY_ENCODER, L"Vellumor Fake Audio Encoder");
    ListedDevice multiplexerListed(kFakeMultiplexerClass, CLSID_MediaMultiplexerCategory, L"Vellumor Fake Mux");
    ASSERT_TRUE(videoListed.Listed() && audioListed.Listed() && multiplexerListed.Listed());
    IBaseFilter* mux = nullptr;
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(S_OK, m_builder->SetOutputFileName(&MEDIASUBTYPE_Mpeg2Output, m_folder / L"take.mpg", &mux, &sink));

    AudioVideoSource* source = new AudioVideoSource();
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"card"));
    EXPECT_EQ(S_OK, m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Stream,
                                            static_cast<IBaseFilter*>(source), nullptr,
                                            static_cast<IBaseFilter*>(writers.made)));
    // Every listed encoder was made for each stream; the graph holds the ones taken.
    Encoder* videoEncoder = Named(m_graph, L"Encoder");
    Encoder* audioEncoder = Named(m_graph, L"Audio Encoder");
    Encoder* multiplexer = multiplexers.made;
    ASSERT_TRUE(videoEncoder && audioEncoder && multiplexer);
    EXPECT_EQ(static_cast<IPin*>(&videoEncoder->Input()), PeerOf(source->Video()));
    EXPECT_EQ(static_cast<IPin*>(&multiplexer->Input()), PeerOf(videoEncoder->Output()));
    EXPECT_EQ(static_cast<IPin*>(&writers.made->Input()), PeerOf(multiplexer->Output()));
    EXPECT_EQ(static_cast<IPin*>(&audioEncoder->Input()), PeerOf(source->Audio()));
    EXPECT_EQ(static_cast<IPin*>(multiplexer->SecondInput()), PeerOf(audioEncoder->Output()));
    // Encoders tried and refused are gone again; the multiplexer is unnamed.
    std::vector<std::wstring> names = FilterNames(m_graph);
    std::sort(names.begin(), names.end());
    ASSERT_EQ(5u, names.size());
    EXPECT_EQ((std::vector<std::wstring>{L"Audio Encoder", L"Dump", L"Encoder", L"card"}),
              std::vector<std::wstring>(names.begin() + 1, names.end()));
    videoEncoder->Release();
    audioEncoder->Release();
    sink->Release();
    m_builder->ReleaseRouteFilters();
    source->Release();
}

TEST_F(CaptureGraphBuilderTest, AVideoPinWithAMediumTakesTheEncoderOfThatMediumOnly)
{
    KSPIN_MEDIUM medium{};
    // {5C0D1E2E-7B3F-4E8A-9C61-0A1B2C3D4E5F}
    medium.Set = {0x5c0d1e2e, 0x7b3f, 0x4e8a, {0x9c, 0x61, 0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f}};
    medium.Id = 7;
    FakeClass<DumpWriter> writers(CLSID_Mpeg2DumpWriter);
    FakeClass<Encoder> plainEncoders(kFakeEncoderClass);
    FakeClass<Encoder> mediumEncoders(kFakeMediumEncoderClass, [&medium](REFCLSID classId) {
        auto encoder = new Encoder(classId);
        encoder->Input().medium = medium;
        return encoder;
    });
    // The plain encoder is listed first and would take the stream.
    ListedDevice plainListed(kFakeEncoderClass, KSCATEGORY_ENCODER, L"Vellumor Fake Encoder");
    ListedDevice mediumListed(kFakeMediumEncoderClass, KSCATEGORY_ENCODER, L"Vellumor Fake Medium Encoder");
    ASSERT_TRUE(plainListed.Listed() && mediumListed.Listed());
    IBaseFilter* mux = nullptr;
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(S_OK, m_builder->SetOutputFileName(&MEDIASUBTYPE_Mpeg2Output, m_folder / L"take.mpg", &mux, &sink));

    Source* source = new Source(MEDIATYPE_Video, MEDIASUBTYPE_RGB32);
    source->Output().medium = medium;
    ASSERT_HRESULT_SUCCEEDED(m_graph->AddFilter(source, L"card"));
    EXPECT_EQ(S_OK, m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Stream,
                                            static_cast<IBaseFilter*>(source), nullptr,
                                            static_cast<IBaseFilter*>(writers.made)));
    Encoder* encoder = Named(m_graph, L"Encoder");
    ASSERT_NE(nullptr, encoder);
    EXPECT_TRUE(IsEqualGUID(medium.Set, encoder->Input().medium.Set)) << "the encoder of the pin's medium";
    EXPECT_EQ(static_cast<IPin*>(&encoder->Input()), PeerOf(source->Output()));
    encoder->Release();
    sink->Release();
    m_builder->ReleaseRouteFilters();
    source->Release();
}

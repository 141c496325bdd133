// The recorder's capture graph builder: the AVI pair it makes where the platform cannot,
// the MPEG-2 writer and demultiplexer it asks for (neither is registered under Wine),
// and the fixed format blocks of the demultiplexer's outputs.
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "capture/video/Mpeg2Blocks.h"
#include "capture/video/tests/RecorderTestSupport.h"
#include "testing/TestFolder.h"

#include <cstring>
#include <gtest/gtest.h>
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

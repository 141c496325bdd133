// The crossbar router on chains of fake crossbars (no platform has one under Wine): the
// inputs it lists, their names and the routes it sets.
#include "capture/video/CCrossbarRouter.h"
#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitPin.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A pin that is connected by hand.
class FakePin : public CKitPin
{
public:
    FakePin(CKitFilter* filter, const wchar_t* name, PIN_DIRECTION direction) : CKitPin(filter, name, direction) {}
    HRESULT CheckMediaType(const AM_MEDIA_TYPE*) override { return S_OK; }
    void Join(FakePin& peer)
    {
        const AM_MEDIA_TYPE type{};
        SetConnection(&peer, &type);
        peer.SetConnection(this, &type);
    }
};

// The capture filter: one analogue video input pin.
class FakeCapture : public CKitFilter
{
public:
    FakeCapture() : CKitFilter(GUID_NULL), input(this, L"Analog Video In", PINDIR_INPUT) {}
    int PinCount() override { return 1; }
    CKitPin* PinAt(int index) override { return index == 0 ? &input : nullptr; }
    FakePin input;
};

// A crossbar: its input pins of the connector types given (with the related pin of
// each), one video output, and the routes it was asked for.
class FakeCrossbar : public CKitFilter, public IAMCrossbar
{
public:
    struct Input
    {
        long type;
        long related;
        bool routable;
    };
    explicit FakeCrossbar(std::vector<Input> inputs) : CKitFilter(GUID_NULL), m_inputs(std::move(inputs))
    {
        for (size_t i = 0; i < m_inputs.size(); ++i)
            pins.emplace_back(new FakePin(this, (L"In " + std::to_wstring(i)).c_str(), PINDIR_INPUT));
        pins.emplace_back(new FakePin(this, L"Video Out", PINDIR_OUTPUT));
        pins.emplace_back(new FakePin(this, L"Audio Out", PINDIR_OUTPUT));
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return CKitFilter::QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CKitFilter::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CKitFilter::Release(); }
    HRESULT STDMETHODCALLTYPE get_PinCounts(long* outputs, long* inputs) override
    {
        *outputs = 2;
        *inputs = static_cast<long>(m_inputs.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CanRoute(long output, long input) override
    {
        return output == 0 && m_inputs[input].routable ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Route(long output, long input) override
    {
        routes.emplace_back(output, input);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_IsRoutedTo(long, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CrossbarPinInfo(BOOL input, long index, long* related, long* type) override
    {
        if (input)
        {
            *related = m_inputs[index].related;
            *type = m_inputs[index].type;
        }
        else
        {
            *related = index == 0 ? 1 : 0;
            *type = index == 0 ? PhysConn_Video_VideoDecoder : PhysConn_Audio_AudioDecoder;
        }
        return S_OK;
    }
    int PinCount() override { return static_cast<int>(pins.size()); }
    CKitPin* PinAt(int index) override { return index < PinCount() ? pins[index].get() : nullptr; }
    FakePin& InputPin(int i) { return *pins[i]; }
    FakePin& VideoOut() { return *pins[m_inputs.size()]; }

    std::vector<std::unique_ptr<FakePin>> pins;
    std::vector<std::pair<long, long>> routes;

protected:
    HRESULT QueryFilterInterface(REFIID id, void** object) override
    {
        if (id != IID_IAMCrossbar)
            return E_NOINTERFACE;
        *object = static_cast<IAMCrossbar*>(this);
        AddRef();
        return S_OK;
    }

private:
    std::vector<Input> m_inputs;
};

std::vector<std::wstring> Names(const CCrossbarRouter& router)
{
    long count = 0;
    router.CountInputs(&count);
    std::vector<std::wstring> names;
    for (long i = 0; i < count; ++i)
    {
        wchar_t name[64] = L"";
        router.GetInputConnectorName(i, name, 64);
        names.push_back(name);
    }
    return names;
}
} // namespace

TEST(CrossbarRouter, WithoutACrossbarThereIsNoInput)
{
    FakeCapture* capture = new FakeCapture;
    HRESULT result = S_OK;
    CCrossbarRouter router(&capture->input, &result);
    long count = -1;
    EXPECT_EQ(E_FAIL, result);
    EXPECT_EQ(S_OK, router.CountInputs(&count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(E_FAIL, router.SelectInput(0));
    capture->Release();
}

TEST(CrossbarRouter, ListsTheRoutableVideoInputsOfEveryChainAndRoutesAllItsCrossbars)
{
    FakeCapture* capture = new FakeCapture;
    // The decoder crossbar next to the capture filter: its input 0 comes from the tuner
    // crossbar, input 1 is an S-Video socket, input 2 the tuner's sound, input 3 a
    // composite socket it cannot route.
    FakeCrossbar* decoder = new FakeCrossbar({{PhysConn_Video_Composite, 2, true},
                                              {PhysConn_Video_SVideo, -1, true},
                                              {PhysConn_Audio_Tuner, 0, true},
                                              {PhysConn_Video_Composite, -1, false}});
    FakeCrossbar* tuner = new FakeCrossbar({{PhysConn_Video_Tuner, -1, true}, {PhysConn_Video_Composite, -1, true}});
    decoder->VideoOut().Join(capture->input);
    tuner->VideoOut().Join(decoder->InputPin(0));

    HRESULT result = E_FAIL;
    {
        CCrossbarRouter router(&capture->input, &result);
        EXPECT_EQ(S_OK, result);
        EXPECT_EQ((std::vector<std::wstring>{L"Video Tuner", L"Video Composite", L"Video SVideo"}), Names(router));
        long type = 0;
        EXPECT_EQ(S_OK, router.GetInputConnectorType(0, &type));
        EXPECT_EQ(PhysConn_Video_Tuner, type);

        EXPECT_EQ(S_OK, router.SelectInput(1));
        EXPECT_EQ((std::vector<std::pair<long, long>>{{0, 1}}), tuner->routes);
        // The decoder's video route and, through the related pins, its sound route.
        EXPECT_EQ((std::vector<std::pair<long, long>>{{0, 0}, {1, 2}}), decoder->routes);
        EXPECT_EQ(1, router.SelectedInput());

        decoder->routes.clear();
        EXPECT_EQ(S_OK, router.SelectInput(2));
        EXPECT_EQ((std::vector<std::pair<long, long>>{{0, 1}}), decoder->routes);

        // An index equal to the count is refused by every lookup.
        wchar_t name[8];
        EXPECT_EQ(E_FAIL, router.GetInputConnectorType(3, &type));
        EXPECT_EQ(E_FAIL, router.GetInputConnectorName(3, name, 8));
        EXPECT_EQ(E_FAIL, router.SelectInput(3));
        EXPECT_EQ(E_POINTER, router.CountInputs(nullptr));
        // A name is cut to the buffer.
        EXPECT_EQ(S_OK, router.GetInputConnectorName(0, name, 8));
        EXPECT_STREQ(L"Video T", name);
    }
    EXPECT_EQ(L"Unknown", std::wstring(CCrossbarRouter::ConnectorName(99)));
    // The router let go of every crossbar it held.
    for (FakePin* pin : {&tuner->VideoOut(), &decoder->VideoOut()})
        pin->Disconnect();
    capture->input.Disconnect();
    decoder->InputPin(0).Disconnect();
    tuner->Release();
    decoder->Release();
    capture->Release();
    EXPECT_EQ(0, CKitFilter::LiveObjects());
}

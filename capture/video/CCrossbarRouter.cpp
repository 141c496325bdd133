#include "capture/video/CCrossbarRouter.h"

#include "capture/video/ComPtr.h"

#include <cwchar>

namespace
{
const struct
{
    long type;
    const wchar_t* name;
} kConnectorNames[] = {
    {1, L"Video Tuner"},          {2, L"Video Composite"},      {3, L"Video SVideo"},       {4, L"Video RGB"},
    {5, L"Video YRYBY"},          {6, L"Video SerialDigital"},  {7, L"Video ParallelDigital"},
    {8, L"Video SCSI"},           {9, L"Video AUX"},            {10, L"Video 1394"},        {11, L"Video USB"},
    {12, L"Video Decoder"},       {13, L"Video Encoder"},       {4096, L"Audio Tuner"},     {4097, L"Audio Line"},
    {4098, L"Audio Mic"},         {4099, L"Audio AESDigital"},  {4100, L"Audio SPDIFDigital"},
    {4101, L"Audio SCSI"},        {4102, L"Audio AUX"},         {4103, L"Audio 1394"},      {4104, L"Audio USB"},
    {4105, L"Audio Decoder"},
};

// The crossbar's pin at the enumeration position (inputs first, then outputs).
HRESULT PinAtPosition(IBaseFilter* filter, long position, IPin** pin)
{
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(pins.Receive())))
        return E_FAIL;
    if (position > 0 && pins->Skip(position) != S_OK)
        return E_FAIL;
    return pins->Next(1, pin, nullptr) == S_OK ? S_OK : E_FAIL;
}

// The index of the crossbar's pin among its inputs or outputs.
HRESULT PinIndex(IAMCrossbar* crossbar, IBaseFilter* filter, IPin* pin, bool output, long* index)
{
    long outputs = 0, inputs = 0;
    if (FAILED(crossbar->get_PinCounts(&outputs, &inputs)))
        return E_FAIL;
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(pins.Receive())))
        return E_FAIL;
    ComPtr<IPin> each;
    for (long position = 0; pins->Next(1, each.Receive(), nullptr) == S_OK; ++position)
        if (each.Get() == pin)
        {
            *index = output ? position - inputs : position;
            return S_OK;
        }
    return E_FAIL;
}
} // namespace

CCrossbarRouter::CCrossbarRouter(IPin* startPin, HRESULT* result)
{
    RouteStep first;
    HRESULT collected = CollectRoutes(startPin, &first, 0);
    if (result)
        *result = collected;
}

CCrossbarRouter::~CCrossbarRouter()
{
    for (Chain& chain : m_routes)
        for (RouteStep& step : chain)
            if (step.crossbar)
                step.crossbar->Release();
}

HRESULT CCrossbarRouter::CollectRoutes(IPin* input, RouteStep* step, long depth)
{
    if (!input || !step)
        return E_POINTER;
    ComPtr<IPin> upstream;
    PIN_INFO info{};
    ComPtr<IBaseFilter> filter;
    ComPtr<IAMCrossbar> crossbar;
    if (SUCCEEDED(input->ConnectedTo(upstream.Receive())) && SUCCEEDED(upstream->QueryPinInfo(&info)))
        *filter.Receive() = info.pFilter;
    if (!filter || FAILED(filter.QueryInto(IID_IAMCrossbar, crossbar)))
        return depth > 0 ? S_FALSE : E_FAIL;
    long outputs = 0, inputs = 0, output = 0, outputRelated = -1, outputType = 0;
    if (FAILED(crossbar->get_PinCounts(&outputs, &inputs)) ||
        FAILED(PinIndex(crossbar.Get(), filter.Get(), upstream.Get(), true, &output)))
        return E_FAIL;
    crossbar->get_CrossbarPinInfo(FALSE, output, &outputRelated, &outputType);
    for (long i = 0; i < inputs; ++i)
    {
        long related = -1, type = 0;
        if (FAILED(crossbar->get_CrossbarPinInfo(TRUE, i, &related, &type)) || type >= 4096 ||
            crossbar->CanRoute(output, i) != S_OK)
            continue;
        ComPtr<IPin> inputPin;
        if (FAILED(PinAtPosition(filter.Get(), i, inputPin.Receive())))
            continue;
        *step = RouteStep{nullptr, step->downstream, i, output, related, outputRelated, crossbar.Get(), type,
                          outputType, depth};
        RouteStep next;
        next.downstream = step;
        step->upstream = &next;
        if (CollectRoutes(inputPin.Get(), &next, depth + 1) == S_FALSE)
        {
            step->upstream = nullptr;
            StoreChain(step);
        }
    }
    return S_OK;
}

// The chain from the upstream end to the capture filter, each step holding a reference
// to its crossbar.
HRESULT CCrossbarRouter::StoreChain(const RouteStep* upstreamEnd)
{
    Chain chain;
    for (const RouteStep* step = upstreamEnd; step; step = step->downstream)
    {
        chain.push_back(*step);
        chain.back().crossbar->AddRef();
    }
    for (size_t i = 0; i < chain.size(); ++i)
    {
        chain[i].upstream = i > 0 ? &chain[i - 1] : nullptr;
        chain[i].downstream = i + 1 < chain.size() ? &chain[i + 1] : nullptr;
    }
    m_routes.push_back(std::move(chain));
    // The moved vector keeps its elements, so the links stay good.
    return S_OK;
}

HRESULT CCrossbarRouter::CountInputs(long* count) const
{
    if (!count)
        return E_POINTER;
    *count = static_cast<long>(m_routes.size());
    return S_OK;
}

HRESULT CCrossbarRouter::GetInputConnectorType(long index, long* type) const
{
    if (!type)
        return E_POINTER;
    if (index < 0 || index >= static_cast<long>(m_routes.size()))
        return E_FAIL;
    *type = m_routes[index].front().inputType;
    return S_OK;
}

HRESULT CCrossbarRouter::GetInputConnectorName(long index, wchar_t* text, long size) const
{
    long type = 0;
    if (!text || size <= 0 || FAILED(GetInputConnectorType(index, &type)))
        return E_FAIL;
    text[0] = L'\0';
    wcsncat(text, ConnectorName(type), static_cast<size_t>(size - 1));
    return S_OK;
}

HRESULT CCrossbarRouter::SelectInput(long index)
{
    if (index < 0 || index >= static_cast<long>(m_routes.size()))
        return E_FAIL;
    HRESULT result = S_OK;
    for (RouteStep& step : m_routes[index])
    {
        result = step.crossbar->Route(step.videoOutput, step.videoInput);
        if (step.audioOutput != -1 && step.audioInput != -1)
            step.crossbar->Route(step.audioOutput, step.audioInput);
    }
    m_selected = index;
    return result;
}

const wchar_t* CCrossbarRouter::ConnectorName(long type)
{
    for (const auto& entry : kConnectorNames)
        if (entry.type == type)
            return entry.name;
    return L"Unknown";
}

#pragma once
// CTimestampSink: a renderer for PCM sound that keeps the times and lengths of the
// samples it receives, to check a source's stream.
#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitInputPin.h"

#include <vector>

class CTimestampSink final : public CKitFilter
{
public:
    struct Sample
    {
        REFERENCE_TIME start;
        REFERENCE_TIME stop;
        long bytes;
    };

    CTimestampSink();

    int PinCount() override { return 1; }
    CKitPin* PinAt(int index) override { return index == 0 ? &m_pin : nullptr; }

    std::vector<Sample> Samples();

private:
    class CPin final : public CKitInputPin
    {
    public:
        explicit CPin(CTimestampSink* sink) : CKitInputPin(sink, L"In"), m_sink(sink) {}
        HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;

    protected:
        HRESULT OnReceive(IMediaSample* sample) override;
        HRESULT OnEndOfStream() override { return S_OK; }

    private:
        CTimestampSink* m_sink;
    };

    ~CTimestampSink() override;

    CPin m_pin;
    CRITICAL_SECTION m_samplesLock;
    std::vector<Sample> m_samples;
};

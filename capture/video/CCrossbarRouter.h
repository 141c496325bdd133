#pragma once
// CCrossbarRouter: the physical video inputs in front of a capture filter. Starting at
// the capture filter's analogue video input pin it walks upstream through every chain
// of crossbars (IAMCrossbar), keeps each complete chain from a physical video input to
// the capture filter, names the inputs by their connector types and, on request,
// routes every crossbar of a chain (the video path and, where the crossbar relates one,
// the audio path). Chains are kept in the order of the walk: depth first, inputs in
// index order. COM must be initialised.
#include <strmif.h>

#include <vector>

struct RouteStep
{
    RouteStep* upstream = nullptr;   // nearer the physical input; null at the chain's end
    RouteStep* downstream = nullptr; // nearer the capture filter; null next to it
    long videoInput = 0;
    long videoOutput = 0;
    long audioInput = -1;  // related to the video input; -1 when none
    long audioOutput = -1; // related to the video output; -1 when none
    IAMCrossbar* crossbar = nullptr;
    long inputType = 0;  // PhysConn_ value of the video input
    long outputType = 0; // PhysConn_ value of the video output
    long depth = 0;      // 0 next to the capture filter
};

class CCrossbarRouter
{
public:
    // Collects the chains upstream of startPin (the capture filter's video input pin);
    // result (when given) gets E_FAIL when no crossbar is there at all.
    CCrossbarRouter(IPin* startPin, HRESULT* result);
    ~CCrossbarRouter();
    CCrossbarRouter(const CCrossbarRouter&) = delete;
    CCrossbarRouter& operator=(const CCrossbarRouter&) = delete;

    HRESULT CountInputs(long* count) const;
    HRESULT GetInputConnectorType(long index, long* type) const;
    // The input's connector name, cut to size characters with its terminator.
    HRESULT GetInputConnectorName(long index, wchar_t* text, long size) const;
    // Routes every crossbar of the chain at index.
    HRESULT SelectInput(long index);
    long SelectedInput() const { return m_selected; }

    // The name of a PhysConn_ connector type ("Unknown" for others).
    static const wchar_t* ConnectorName(long type);

private:
    using Chain = std::vector<RouteStep>;

    HRESULT CollectRoutes(IPin* input, RouteStep* step, long depth);
    HRESULT StoreChain(const RouteStep* upstreamEnd);

    std::vector<Chain> m_routes;
    long m_selected = -1;
};

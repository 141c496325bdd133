#pragma once
// CEnabledRecords: the first steps of a screen capture's start, shared by the
// program's screen-capture manager and the job's. It copies the records of the
// destinations the destination set's live settings enable, refuses a start without
// any, and, once the manager has shown or checked the copies, gives them to their
// destinations as the records their runs use, with the longest duration and the
// shortest frequency over them.
#include "capture/destinations/CImageBase.h"
#include "capture/destinations/DestinationTable.h"

#include <memory>
#include <vector>

class CImageDestinations;

class CEnabledRecords
{
public:
    // Visits the destinations in record-type order.
    explicit CEnabledRecords(CImageDestinations& destinations);
    // Visits the destinations in the order given.
    CEnabledRecords(CImageDestinations& destinations, const std::vector<EnumSendParam>& order);

    // DR_DONE when a destination is enabled; otherwise DR_FAILED with errorText set to
    // the text of a start without a selection.
    DestinationResult CheckAnyEnabled(CString& errorText) const;
    // The copies, in visit order; the manager may edit them before Use.
    const std::vector<std::unique_ptr<SendParam>>& Records() const { return m_records; }
    // True when a copy's show-dialog flag is on.
    bool AsksForDialog() const;
    // Gives each copy to its destination as its run record; the longest duration (0
    // at least) and the shortest frequency (999 at most) over them.
    DestinationTiming Use();

private:
    CImageDestinations& m_destinations;
    std::vector<std::unique_ptr<SendParam>> m_records;
};

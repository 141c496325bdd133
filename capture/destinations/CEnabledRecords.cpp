#include "capture/destinations/CEnabledRecords.h"

#include "capture/destinations/CImageDestinations.h"
#include "capture/CaptureStrings.h"

#include <algorithm>

namespace
{
// The shortest frequency over the records starts from this.
const int kNoFrequency = 999;

std::vector<EnumSendParam> TypeOrder()
{
    std::vector<EnumSendParam> order;
    for (const DestinationEntry& entry : kDestinationTable)
        order.push_back(entry.type);
    return order;
}
} // namespace

CEnabledRecords::CEnabledRecords(CImageDestinations& destinations) : CEnabledRecords(destinations, TypeOrder()) {}

CEnabledRecords::CEnabledRecords(CImageDestinations& destinations, const std::vector<EnumSendParam>& order)
    : m_destinations(destinations)
{
    const InfoScSettings& settings = destinations.GetSettings();
    for (EnumSendParam type : order)
        if (settings.*DestinationOf(type).flag)
            m_records.push_back(CopyDestinationRecord(*destinations.GetInfo(type)));
}

DestinationResult CEnabledRecords::CheckAnyEnabled(CString& errorText) const
{
    if (!m_records.empty())
        return DR_DONE;
    errorText.LoadString(IDS_NO_SELECTION_DONE);
    return DR_FAILED;
}

bool CEnabledRecords::AsksForDialog() const
{
    return std::any_of(m_records.begin(), m_records.end(),
                       [](const std::unique_ptr<SendParam>& record) { return record->IsDisplayFlagOn(); });
}

DestinationTiming CEnabledRecords::Use()
{
    DestinationTiming longest = {0, kNoFrequency};
    for (const std::unique_ptr<SendParam>& record : m_records)
    {
        m_destinations.UseInfo(*record);
        const DestinationTiming timing = GetDestinationTiming(*record);
        longest.duration = (std::max)(longest.duration, timing.duration);
        longest.frequency = (std::min)(longest.frequency, timing.frequency);
    }
    return longest;
}

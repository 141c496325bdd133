#pragma once
// Copies and timing of the screen destinations' records (SP_SC_FILE to SP_SC_WEB),
// whatever their type, for the managers that start a capture from them.
#include "Info/SendParam.h"

#include <memory>

// A record's duration and frequency, in seconds.
struct DestinationTiming
{
    int duration;
    int frequency;
};

// A copy of the record; null for a record of any other type.
std::unique_ptr<SendParam> CopyDestinationRecord(const SendParam& record);
// The record's duration and frequency; both 0 for a record of any other type.
DestinationTiming GetDestinationTiming(const SendParam& record);

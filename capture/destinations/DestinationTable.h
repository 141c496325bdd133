#pragma once
// The eleven screen-capture destinations, one row each in record-type order
// (SP_SC_FILE to SP_SC_WEB): the destination's flag in the screen-capture settings,
// its name in the user's words, the label its failures start with, and the copy
// and timing of its record whatever the record's class. The places that visit the
// destinations in an order of their own list only their record types and look the
// rest up here.
#include "Info/InfoScSettings.h"

#include <memory>

// A record's duration and frequency, in seconds.
struct DestinationTiming
{
    int duration;
    int frequency;
};

struct DestinationEntry
{
    EnumSendParam type;
    // On when the settings send captures to this destination.
    bool InfoScSettings::*flag;
    // "File", "Graphic Editor", ..., "Web Server".
    const wchar_t* name;
    // Put before the destination's error text in the destination set's joined text:
    // "File: ", "Graphic Editor: ", ..., "Web: ".
    const wchar_t* label;
    // A copy of a record of this type.
    std::unique_ptr<SendParam> (*copy)(const SendParam& record);
    // The duration and frequency of a record of this type.
    DestinationTiming (*timing)(const SendParam& record);
};

const int kDestinationCount = SP_SC_WEB - SP_SC_FILE + 1;

// The rows in record-type order.
extern const DestinationEntry kDestinationTable[kDestinationCount];

// The row of the record type; null for a type that names no screen destination.
const DestinationEntry* FindDestination(int type);
// The row of a screen destination's record type (SP_SC_FILE to SP_SC_WEB).
const DestinationEntry& DestinationOf(EnumSendParam type);

// A copy of the record; null for a record of any other type.
std::unique_ptr<SendParam> CopyDestinationRecord(const SendParam& record);
// The record's duration and frequency; both 0 for a record of any other type.
DestinationTiming GetDestinationTiming(const SendParam& record);

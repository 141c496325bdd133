#pragma once
// The record of a training, audio, video or movie type (18..25) built from the records of
// its pages, each field taken from the page that edits it.
#include "Info/SendParam.h"

#include <vector>

// A new record (the caller owns it) from the pages' records in page order; null for
// another type or a missing page record.
SendParam* CombineCaptureRecord(int type, const std::vector<SendParam*>& pages);
// Assigns the whole record source to target, both of one type 18..25; false (nothing
// assigned) for another type.
bool AssignCaptureRecord(SendParam& target, const SendParam& source);

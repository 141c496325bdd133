#pragma once
// The rows the wizard's type pages list: capture kinds (group 0), screen destinations
// (1), and the record and play operations of training (2), audio (3), video (4) and
// movie (5) capture. A group outside 0..5 has no rows.
#include <vector>

struct CaptureTypeRow
{
    const wchar_t* caption;
    int icon;
    int value;
    const wchar_t* description;
};

std::vector<CaptureTypeRow> CaptureTypeRows(int group);

#pragma once
// Writes the job line of one capture job, the parameters of a scheduled task that the
// job runner reads: "-type" and the type word, then the kind's (or destination's) flags
// in the runner's order, each followed by its value. Numbers are decimal, switches 0 or
// 1, text values quoted (JobLineText.h).
#include "Info/SendParam.h"
#include "framework/CString.h"

// What a screen capture (and a movie recording) grabs, and for a screen capture how
// long and how often.
struct JobSelection
{
    int selectionType = 0;
    // The points "x1,y1,x2,y2,..." or a window's title.
    CString sizeText;
    bool captureCursor = false;
    int duration = 0;
    int frequence = 0;
};

// The line of the job record describes: a screen destination's record makes a screen
// capture line with selection (its duration and frequence among them); a recording or
// playing record makes its kind's line, a movie recording with selection's type, size
// and cursor. Any other record gives an empty line.
CString BuildJobLine(const SendParam& record, const JobSelection& selection);

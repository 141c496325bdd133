#pragma once
// What a test reads back of a recorded AVI file through AVIFile: its video frames' test
// camera numbers, its frame rate and its sound stream's format.
#include "framework/CString.h"

#include <mmreg.h>
#include <vector>

struct AviReadBack
{
    bool opened = false;
    int width = 0;
    int height = 0;
    double framesPerSecond = 0;
    // The camera's number of every frame, in file order (-1: no pattern).
    std::vector<int> frameNumbers;
    bool hasSound = false;
    WAVEFORMATEX soundFormat{};
    long soundBytes = 0;
};

AviReadBack ReadAviBack(const CString& path);

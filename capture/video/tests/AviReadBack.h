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
    long frameCount = 0;
    bool hasSound = false;
    WAVEFORMATEX soundFormat{};
    long soundBytes = 0;
};

// everyFrame false reads the numbers of the first and the last frame only (a quick look
// at a long file): frameNumbers then holds those two.
AviReadBack ReadAviBack(const CString& path, bool everyFrame = true);

#pragma once
// The fixed format blocks of the MPEG-2 demultiplexer's outputs: a 720 x 480 main-profile
// video stream (MPEG2VIDEOINFO, 218 bytes) and a 48 kHz layer-2 stereo sound stream
// (MPEG1WAVEFORMAT, 40 bytes).
#include <windows.h>

#include <vector>

std::vector<BYTE> Mpeg2VideoBlock();
std::vector<BYTE> Mpeg2AudioBlock();

#pragma once
// The test camera's picture: a moving bar on a background and, in the top-left corner,
// the frame's number as sixteen black or white cells (lowest bit first), so that a test
// reads back which frame a recorded picture is. Frames are bottom-up 32-bit DIBs.
#include <windows.h>

constexpr int kPatternCellSize = 16;
constexpr int kPatternBits = 16;

// Draws frame number frame into bits (width x height pixels, stride width x 4).
void DrawCameraPattern(BYTE* bits, int width, int height, unsigned frame);
// The frame number a picture shows (the low 16 bits), or -1 when its corner holds no
// clear pattern. bitCount is 24 or 32; rows are padded to four bytes.
int ReadCameraPattern(const BYTE* bits, int width, int height, int bitCount);

#pragma once
// Where the picture and the mosaic's cells lie, and which transition an effect runs.
#include <windows.h>

// The picture's rectangle in the client area: the whole area, or with the picture's own
// size each dimension rounded up to an even number and centred (a dimension that does not
// fit takes the whole extent).
RECT PictureRect(const RECT& client, int pictureWidth, int pictureHeight, bool originalSize);

// Cell k of an n x n mosaic over the rectangle: column k mod n, row k div n, width / n by
// height / n, the last column and row taking the remainder.
RECT MosaicCellRect(const RECT& rect, int n, int k);
// The fixed order in which the cells of an n x n mosaic (5, 10 or 15) are revealed: a
// permutation of 0..n*n-1; null for another n.
const int* MosaicOrder(int n);
// Milliseconds between mosaic cells: 500, 250 and 50 for 5, 10 and 15 cells a side.
UINT MosaicPeriod(int n);

// The pixel transition of a reveal effect (4 to 13): 1 to 10; 0 for other effects.
int TransitionCode(int effect);

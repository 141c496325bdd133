#pragma once
// Ids of the output window (capture/output/Output.rc).
#include "framework/EditCommandIds.h"

// The output window's pop-up menu: Copy, Clear All, Select All.
#define IDR_OUTPUT_MENU 313

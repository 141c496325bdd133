#pragma once
// Ids of the capture engine's texts in the program's string table
// (capture/CaptureStrings.rc).
#define IDS_NO_PREVIOUS_IMAGE 103
#define IDS_NO_SELECTION_DONE 104
#define IDS_INVALID_VIDEO_EXTENSION 232

#pragma once
// The capture kinds the controller switches between, stored as "CaptType" in the
// program's key "Common". A stored 6 is kept and matches no kind: no command acts.
enum CaptureType : int
{
    CT_SCREEN = 1,
    CT_TRAINING = 2,
    CT_AUDIO = 3,
    CT_VIDEO = 4,
    CT_MOVIE = 5,
    CT_NONE = 6,
};

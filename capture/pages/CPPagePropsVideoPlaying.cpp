#include "capture/pages/CPPagePropsVideoPlaying.h"

#include "capture/pages/MediaPagesIds.h"

namespace
{
const PlayerWindowItems kItems = {IDC_VIDEO_PLAY_FILE,   IDC_VIDEO_PLAY_BROWSE,      IDC_VIDEO_PLAY_HOURS,
                                  IDC_VIDEO_PLAY_MINUTES, IDC_VIDEO_PLAY_SECONDS,    IDC_VIDEO_PLAY_REPEAT,
                                  IDC_VIDEO_PLAY_REPEAT_SPIN, IDC_VIDEO_PLAY_AUDIO,  IDC_VIDEO_PLAY_LEFT,
                                  IDC_VIDEO_PLAY_TOP,    IDC_VIDEO_PLAY_WIDTH,       IDC_VIDEO_PLAY_HEIGHT,
                                  IDC_VIDEO_PLAY_NORMAL, IDC_VIDEO_PLAY_WIDTH_LABEL, IDC_VIDEO_PLAY_HEIGHT_LABEL};
// The size texts every video playing page of the run puts back.
CPPagePropsCaptureBase::RememberedSize g_remembered;
} // namespace

// Applies the copy as the last IsModified or Validate left it (Validate may have set the normal size).
CPPagePropsVideoPlaying::CPPagePropsVideoPlaying()
    : CPPagePropsPlayerWindow(IDD_PROPS_VIDEO_PLAYING, SP_VIDEO_PLAYING, false, kItems, L"VideoNormalSize",
                              g_remembered)
{
}

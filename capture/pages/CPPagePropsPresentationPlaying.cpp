#include "capture/pages/CPPagePropsPresentationPlaying.h"

#include "capture/pages/MediaPagesIds.h"

namespace
{
const PlayerWindowItems kItems = {IDC_MOVIE_PLAY_FILE,   IDC_MOVIE_PLAY_BROWSE,      IDC_MOVIE_PLAY_HOURS,
                                  IDC_MOVIE_PLAY_MINUTES, IDC_MOVIE_PLAY_SECONDS,    IDC_MOVIE_PLAY_REPEAT,
                                  IDC_MOVIE_PLAY_REPEAT_SPIN, IDC_MOVIE_PLAY_AUDIO,  IDC_MOVIE_PLAY_LEFT,
                                  IDC_MOVIE_PLAY_TOP,    IDC_MOVIE_PLAY_WIDTH,       IDC_MOVIE_PLAY_HEIGHT,
                                  IDC_MOVIE_PLAY_NORMAL, IDC_MOVIE_PLAY_WIDTH_LABEL, IDC_MOVIE_PLAY_HEIGHT_LABEL};
// The size texts every movie playing page of the run puts back.
CPPagePropsCaptureBase::RememberedSize g_remembered;
} // namespace

CPPagePropsPresentationPlaying::CPPagePropsPresentationPlaying()
    : CPPagePropsPlayerWindow(IDD_PROPS_MOVIE_PLAYING, SP_PRESENTATION_PLAYING, true, kItems, L"PresNormalSize",
                              g_remembered)
{
}

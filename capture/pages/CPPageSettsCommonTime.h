#pragma once
// CPPageSettsCommonTime: the "Time/Action" page, first settings page of every record
// type from 7 to 25. It edits nothing: it lends its elapsed-time texts to the
// controller's elapsed-time display, shows the length of the file a playing type would
// play (and hands it to the controller as the total of the next playback), and tells
// whether its record type records or plays now, as a text and a looping animation.
#include "capture/pages/CPPageSettsBase.h"
#include "framework/CAnimateCtrl.h"

class CPPageSettsCommonTime : public CPPageSettsBase
{
public:
    explicit CPPageSettsCommonTime(int type);

    // Whether the page's record type records or plays now (force: a training about to
    // start counts as running; other kinds ignore it).
    bool IsActionRunning(bool force);
    // "Recording..." or "Playing..." with the animation running when the action runs,
    // else "No action..." with the animation left as it is.
    void ShowAction(bool force);
    // "No action..." with the animation stopped on its first frame.
    void ResetAction();
    // Shows the length of the file a playing type plays and makes it the controller's
    // total; the other types hide it and leave the controller without a total.
    void UpdateTotalTime();

    const CAnimateCtrl& GetAnimation() const { return m_animation; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsPlayingType() const;
    // The length in seconds of what the playing type plays; -1 when unknown.
    long GetPlaybackLength() const;
    void SetActionText(const wchar_t* text);

    CAnimateCtrl m_animation;
};

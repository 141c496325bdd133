#pragma once
// CImagePresentation: the destination of movie capture. Each grab of the selection
// becomes one frame appended to the AVI file of the movie manager's AVI writer. Grabs go
// into one reused frame (CMovieFrameGrabber): the held picture of the last grab is
// drawn over by the next one of the same size.
// The stream's frame size is that of the first frame written; a later picture of
// another size is scaled to it, so that a movie is never cut short by a selection
// that changed size.
//
// The lock (CMonitor) makes a frame write exclusive against the movie manager,
// which takes the same lock while it replaces or ends the AVI writer.
#include "Info/InfoPresentationRecording.h"
#include "capture/destinations/CAviWriter.h"
#include "capture/destinations/CImageBase.h"
#include "capture/movie/CMovieFrameGrabber.h"
#include "common/CMonitor.h"

class CImagePresentation : public CImageBase, public CMonitor
{
public:
    // The record with its defaults, loaded at once from the registry; no writer.
    CImagePresentation();
    ~CImagePresentation() override;

    // Null record or one of another type: nothing. Part 0 the whole record, 1 the
    // show-dialog flag; any other part nothing.
    void SetInfo(const SendParam* record, unsigned int part) override;
    SendParam* GetInfo() override { return m_info.get(); }
    // Writes the held picture as the next frame. DR_DONE, or DR_FAILED with the
    // error text set.
    DestinationResult Execute() override;
    DestinationResult ProcessAgain(const SendParam* record) override;
    DestinationResult ProcessWindow(HWND window) override;
    DestinationResult ProcessRect(const RECT& rect) override;
    DestinationResult ProcessRegion(HRGN region) override;
    DestinationResult ProcessWindowWithInfo(HWND window, const SendParam* record) override;
    DestinationResult ProcessRectWithInfo(const RECT& rect, const SendParam* record) override;
    DestinationResult ProcessRegionWithInfo(HRGN region, const SendParam* record) override;

    // Grabs into the held picture: DR_DONE, or DR_FAILED with the general error text,
    // the picture held before kept.
    DestinationResult GrabRegion(HRGN region);
    DestinationResult GrabRect(const RECT& rect);
    DestinationResult GrabWindow(HWND window);

    bool LoadFromRegistry() { return m_info->LoadFromRegistry(); }
    // True when the record's duration is 0; false when it is negative; otherwise
    // true exactly when its frequency is 0 (frames on demand).
    bool CheckTiming() const;

    // The movie manager's writer (not owned); null while no recording runs. The
    // manager holds the lock while it replaces or ends it.
    void SetAviWriter(CAviWriter* writer);
    CAviWriter* GetAviWriter() const { return m_aviWriter; }

    bool IsGrabbed() const { return m_grabbed; }
    bool IsBusy() const { return m_busy; }

private:
    // Holds the grabbed frame; null is the grab's failure.
    DestinationResult CheckGrab(const std::shared_ptr<const CImage>& frame);
    // The grab, then (with a record) SetInfo (record, 0), then Execute, under the
    // wait cursor.
    template <class Grab> DestinationResult GrabAndExecute(Grab grab, const SendParam* record);
    // Appends the picture, scaled to the stream's frame size when it differs.
    HRESULT WriteFrame();
    // Appends a picture of the stream's size.
    HRESULT AddPicture(HBITMAP picture);

    std::unique_ptr<InfoPresentationRecording> m_info;
    CMovieFrameGrabber m_grabber;
    CAviWriter* m_aviWriter = nullptr;
    bool m_grabbed = false;
    bool m_busy = false;
    // The frame size of the writer's stream, fixed by the first frame written to
    // it; empty until then.
    SIZE m_frameSize = {};
};

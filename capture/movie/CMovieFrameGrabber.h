#pragma once
// CMovieFrameGrabber: grabs parts of the display into one reused frame, so that a movie
// frame costs a copy of the pixels and no new device contexts, bitmap or picture. The
// display and memory device contexts are made once; the frame is a bottom-up 32-bit DIB
// section (the AVI writer takes its pixels as they are) that is made again only when the
// size of the grab changes.
//
// The picture a grab gives is the frame itself: a later grab of the same size draws
// into the same bitmap. The bitmap is selected into no device context between grabs.
#include "framework/CImage.h"
#include "framework/Handles.h"

#include <memory>

class CMovieFrameGrabber
{
public:
    CMovieFrameGrabber();
    CMovieFrameGrabber(const CMovieFrameGrabber&) = delete;
    CMovieFrameGrabber& operator=(const CMovieFrameGrabber&) = delete;

    // The part of the rectangle on the display; null when nothing of it is there.
    std::shared_ptr<const CImage> GrabRect(const RECT& rect);
    // The bounds of the region, white outside it; null for an empty region.
    std::shared_ptr<const CImage> GrabRegion(HRGN region);
    // The window's rectangle; null for no window.
    std::shared_ptr<const CImage> GrabWindow(HWND window);
    // When picture is this grabber's frame: its layout and its pixels, all drawing into
    // it done. False for any other picture.
    bool GetPixels(HBITMAP picture, BITMAPINFOHEADER& layout, const void*& pixels) const;

private:
    // Copies the display's box (clipped to the region, in display coordinates, when
    // given) into a frame of the box's size.
    std::shared_ptr<const CImage> Grab(RECT box, HRGN clip);
    // A frame of the size: the current one, or a new one when the size differs.
    bool PrepareFrame(int width, int height);

    CCreatedDCHandle m_display;
    CCreatedDCHandle m_memory;
    std::shared_ptr<CImage> m_frame;
    BITMAPINFOHEADER m_layout = {};
    const void* m_pixels = nullptr;
};

#pragma once
// CImageBase: the base of every screen-capture destination. A destination holds
// one captured picture and the settings record of its kind; it grabs a window,
// a rectangle or a region of the display into its picture and then sends the
// picture to its output (Execute). Failures are results plus the text
// GetErrorText returns.
#include "Info/SendParam.h"
#include "framework/CImage.h"
#include "framework/CString.h"
#include <memory>
#include <windows.h>

// The result of a destination's run.
enum DestinationResult : unsigned int
{
    DR_FAILED = 0,       // the error text says why
    DR_NOTHING_DONE = 1, // the destination set's checks failed; no Execute returns it
    DR_DONE = 2,
};

class CImageBase
{
public:
    CImageBase(const CImageBase&) = delete;
    CImageBase& operator=(const CImageBase&) = delete;

    // The virtual operations, in this order.
    virtual ~CImageBase();
    // Null record: nothing. part 0 copies the whole record into the edit record;
    // the other parts copy one group of fields (1 the show-dialog flag, 2 the
    // main fields, 3 duration and frequency; Email, Fax and Web use 4 and 5 in
    // place of 2). A record of another type or any other part does nothing.
    virtual void SetInfo(const SendParam* record, unsigned int part) = 0;
    // The edit record.
    virtual SendParam* GetInfo() = 0;
    // Sends the held picture with the run record.
    virtual DestinationResult Execute() = 0;
    // SetInfo (record, 0), then Execute.
    virtual DestinationResult ProcessAgain(const SendParam* record) = 0;
    // Grab, then Execute; DR_FAILED when the grab fails.
    virtual DestinationResult ProcessWindow(HWND window) = 0;
    virtual DestinationResult ProcessRect(const RECT& rect) = 0;
    virtual DestinationResult ProcessRegion(HRGN region) = 0;
    // As above, with SetInfo (record, 0) as well.
    virtual DestinationResult ProcessWindowWithInfo(HWND window, const SendParam* record) = 0;
    virtual DestinationResult ProcessRectWithInfo(const RECT& rect, const SendParam* record) = 0;
    virtual DestinationResult ProcessRegionWithInfo(HRGN region, const SendParam* record) = 0;

    // The reason of the last failure, or the general text when none was set.
    CString GetErrorText() const;
    // The held picture's bitmap; null when there is no picture.
    HBITMAP GetBitmap() const;

    // Grabs into the held picture: DR_DONE, or DR_FAILED leaving the picture as
    // it was. An empty rectangle or a null window fails at once. Each grab starts
    // with an empty error text.
    DestinationResult GrabRegion(HRGN region);
    DestinationResult GrabRect(const RECT& rect);
    DestinationResult GrabWindow(HWND window);

    // The held picture, to be shared with other destinations; null without one.
    std::shared_ptr<const CImage> GetPicture() const { return m_image; }
    // Holds the picture another destination grabbed (the screen is read once for
    // all): DR_DONE. A null picture is that grab's failure: DR_FAILED with its
    // text, the picture held before kept.
    DestinationResult UsePicture(const std::shared_ptr<const CImage>& picture, const CString& grabErrorText);

    // Writes the held picture. An empty path is first replaced by
    // MakeDefaultImagePath (folder, type). The path's folder is created when
    // missing. Type FT_DIB goes through the DIB toolkit, FT_BMP/JPG/GIF/PNG
    // through their encoders, any other type through the encoder of the file
    // name's extension. False with the error text set when the file was not
    // written.
    bool SaveImage(CString& path, const CString& folder, EnumFileType type);
    // A new "VellImage<n>.<ext>" name in the folder; a folder without a drive is
    // taken below the screen-capture image folder (e.g. "\Editor").
    CString MakeDefaultImagePath(const CString& folder, EnumFileType type) const;

protected:
    CImageBase();

    // The file "folder\name.ext" a destination writes: the disk is asked for room (which
    // creates a missing folder); an existing file is deleted when overwrite is set, else
    // a numbered free name is taken. Empty, with the error text set, on failure.
    CString PrepareTargetFile(const CString& folder, const CString& name, EnumFileType type, bool overwrite);
    // Starts a run of Execute: the error text of an earlier run is emptied. True
    // when a picture with a bitmap is held.
    bool CanExecute();
    // True when a picture with a bitmap is held.
    bool HasPicture() const;
    // Bytes of the held picture's pixels (width x height x bits per pixel / 8),
    // the room asked of the disk before a save; 0 without a picture.
    DWORD GetPictureByteSize() const;

    // Null until the first grab; shared read-only with the destinations that were
    // given the same grab.
    std::shared_ptr<const CImage> m_image;
    CString m_errorText;

private:
    DestinationResult AttachBitmap(HBITMAP bitmap);
};

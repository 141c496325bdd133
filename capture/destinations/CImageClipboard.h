#pragma once
// CImageClipboard: the clipboard destination. It puts the captured picture on the
// clipboard as a device-dependent bitmap (FType 0, CF_BITMAP) or as a
// device-independent one (FType 1, CF_DIB).
#include "Info/InfoScClipboard.h"
#include "capture/destinations/CRecordDestination.h"

class CImageClipboard : public CRecordDestination<InfoScClipboard>
{
public:
    CImageClipboard() = default;

    // Replaces the clipboard's contents with the picture. The clipboard is opened
    // for the program's main window; a program without one (the job runner) opens
    // it for a hidden window of the destination's own. DR_DONE when the data was
    // set; DR_FAILED with the system's text of the failing call otherwise (no text
    // when there is no picture).
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 2 FType; 3 Duration, Frequence.
    void CopyPart(const InfoScClipboard& record, unsigned int part) override;
    // The record is stored before the grab.
    bool StoresRecordBeforeGrab() const override { return true; }

private:
    DestinationResult PutOnClipboard(HWND owner);
    // The picture as data of the clipboard format that FType names, which the
    // clipboard takes over once set; null with the last error set when it cannot
    // be made or FType names no format.
    HANDLE MakeClipboardData(UINT& format) const;
    // The last error's text becomes the error text; the clipboard is closed when
    // asked.
    DestinationResult FailWithLastError(bool closeClipboard);
};

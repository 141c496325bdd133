#pragma once
// CImageScreenSaver: the screen-saver destination. It saves the captured picture
// as a bitmap in the screen saver's picture folder ("\Screen Saver" below the
// screen-capture image folder) and, when asked, makes it the picture the screen
// saver shows.
#include "Info/InfoScScreenSaver.h"
#include "capture/destinations/CImageLocalBitmap.h"

class CImageScreenSaver : public CImageLocalBitmap<InfoScScreenSaver>
{
public:
    CImageScreenSaver() = default;

    // Writes Name + ".bmp" (or the first free numbered name when Unique is on and
    // the file exists). With MakeCurrent on, the screen saver's "Image" value then
    // names the file just written (without ".bmp", which the screen saver
    // appends); a registry failure there is not reported. DR_DONE when the file
    // was written, else DR_FAILED with the error text set.
    DestinationResult Execute() override;

    // The screen saver's settings key below HKEY_CURRENT_USER.
    static const wchar_t* const kSettingsKey;

protected:
    // 1 ShowDlg; 2 Name, Unique, MakeCurrent; 3 Duration, Frequence.
    void CopyPart(const InfoScScreenSaver& record, unsigned int part) override;

private:
    static void MakeCurrentPicture(const CString& path);
};

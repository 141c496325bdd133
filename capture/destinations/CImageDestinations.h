#pragma once
// CImageDestinations: the destination set of a screen capture. It owns one object
// of each of the eleven destinations and the live screen-capture settings, reads a
// selection from the screen once and gives that picture to every destination, runs the destinations the settings enable in
// the fixed order File, Printer, Fax, Graphic Editor, Email, ICQ, Clipboard,
// Database, Screen Saver, Wallpaper, Web, and combines their results: DR_NOTHING_DONE
// when a check failed or any destination gave it, else DR_FAILED when any
// destination failed, else DR_DONE. Each failure adds its label ("File: ", ...)
// and the destination's text to the joined error text, with no separator.
//
// All calls come on the thread of the user interface.
#include "Info/InfoScSettings.h"
#include "capture/destinations/CImageClipboard.h"
#include "capture/destinations/CImageDatabase.h"
#include "capture/destinations/CImageEditor.h"
#include "capture/destinations/CImageEmail.h"
#include "capture/destinations/CImageFax.h"
#include "capture/destinations/CImageFile.h"
#include "capture/destinations/CImageICQ.h"
#include "capture/destinations/CImagePrinter.h"
#include "capture/destinations/CImageScreenSaver.h"
#include "capture/destinations/CImageWallpaper.h"
#include "capture/destinations/CImageWeb.h"

#include <functional>
#include <memory>

class CImageDestinations
{
public:
    // Makes the settings (defaults) and the destinations, then loads every record
    // from the registry. icqApi is the library the ICQ destination sends through.
    explicit CImageDestinations(const CIcqApiLibrary& icqApi = GetIcqApiLibrary());
    CImageDestinations(const CImageDestinations&) = delete;
    CImageDestinations& operator=(const CImageDestinations&) = delete;
    ~CImageDestinations();

    // Loads the settings, then the edit record of each destination in run order.
    void LoadFromRegistry();

    // The edit record of the destination of the type (SP_SC_FILE to SP_SC_WEB);
    // null for any other type.
    SendParam* GetInfo(EnumSendParam type);
    // SetInfo (record, part) of the destination of the type; any other type does
    // nothing.
    void SetInfo(const SendParam* record, EnumSendParam type, unsigned int part);
    // Gives the record to the destination of its type as the record its runs use;
    // a record of any other type does nothing.
    void UseInfo(const SendParam& record);

    // The live settings, which the screen-capture manager reads and assigns.
    InfoScSettings& GetSettings() { return *m_settings; }
    // The joined error text of the last operation; empty when there is none.
    CString GetErrorText() const { return m_errorText; }
    // True when the last grab reached every destination.
    bool HasLastImage() const { return m_lastImage; }
    // True while enabled destinations run.
    bool IsBusy() const { return m_busy; }

    // The bitmap of the first destination, in run order, that the settings enable
    // and that holds a picture; null when there is none.
    HBITMAP GetLastImage(const InfoScSettings& settings) const;
    // The edit record's duration of the first destination the live settings
    // enable, tried in the order File, Printer, ICQ, Screen Saver, Wallpaper, Web,
    // Clipboard, Database, Graphic Editor, Fax, Email; 0 when none is enabled.
    int GetDuration() const;

    // Grab into all eleven destinations, whatever the settings; nothing is run.
    DestinationResult ProcessRegion(HRGN region);
    DestinationResult ProcessRect(const RECT& rect);
    DestinationResult ProcessWindow(HWND window);

    // Runs every enabled destination on the pictures held since the last complete
    // grab.
    DestinationResult ProcessAgain();

    // One step of a timed capture: the grab above, then each enabled destination
    // runs on that picture.
    DestinationResult ProcessRegionWithInfo(HRGN region);
    DestinationResult ProcessRectWithInfo(const RECT& rect);
    DestinationResult ProcessWindowWithInfo(HWND window);

private:
    // The destinations that write their picture to an image file of their own:
    // each grab of the set starts a new file for them.
    template <class Destination> class NewFileDestination : public Destination
    {
    public:
        using Destination::Destination;
        void StartNewImageFile() { this->BeforeGrab(); }
    };

    using Operation = std::function<DestinationResult(CImageBase&)>;

    // The destination of a record type; null for any other type.
    CImageBase* Destination(EnumSendParam type) const;
    // Every destination in run order (or only those the live settings enable)
    // runs the operation; the results combine.
    DestinationResult Run(const Operation& operation, bool enabledOnly);
    DestinationResult Grab(const Operation& grab);
    DestinationResult GrabAndRun(const Operation& grab);
    // Appends the check's text when it failed.
    bool CheckSelectionDone();
    bool CheckLastImage();
    void AppendText(UINT id);

    std::unique_ptr<CImageFile> m_file;
    std::unique_ptr<CImagePrinter> m_printer;
    std::unique_ptr<NewFileDestination<CImageFax>> m_fax;
    std::unique_ptr<NewFileDestination<CImageEditor>> m_editor;
    std::unique_ptr<NewFileDestination<CImageEmail>> m_email;
    std::unique_ptr<NewFileDestination<CImageICQ>> m_icq;
    std::unique_ptr<CImageClipboard> m_clipboard;
    std::unique_ptr<CImageDatabase> m_database;
    std::unique_ptr<CImageScreenSaver> m_screenSaver;
    std::unique_ptr<CImageWallpaper> m_wallpaper;
    std::unique_ptr<CImageWeb> m_web;
    std::unique_ptr<InfoScSettings> m_settings;
    bool m_lastImage = false;
    bool m_busy = false;
    CString m_errorText;
};

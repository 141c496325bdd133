#pragma once
// CXmlInfoConfiguration: the whole configuration of the main program as one XML file:
// every destination record and the send settings, the recording and playing records of
// the training, audio, video and movie kinds, the output window's options and the
// controller's choices.
//
// Save gathers the live settings into the document's own records (through the
// program's controller; a kind that has no manager yet from the registry) and writes
// them. Load reads a file into those records and checks every value; only
// when the whole file has been read does it hand them to the running program, which
// writes them to the registry. A file that fails therefore changes nothing.
//
// Failures: Save and Load throw the text of the failing section (CString, from the
// string table), and the file's text (string 129) when the program has no controller;
// Save throws the file's text when the file cannot be written (the old file then
// stays). Load returns false for a file that does not load, holds a document type
// declaration or whose root is not "configuration". DOM failures pass as _com_error.
//
// One object per command, on the user-interface thread, with COM initialised.
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoScClipboard.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScSettings.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "capture/timing/CGlobalOptions.h"
#include "common/CXmlParser.h"

class CLocalController;

class CXmlInfoConfiguration : public CXmlParser
{
public:
    CXmlInfoConfiguration();
    ~CXmlInfoConfiguration() override;

    // Loads the file, reads it and applies it. False, with nothing changed, when the file
    // does not load or is not a configuration; throws the text of a section that is
    // missing or holds a value out of its range.
    bool Load(const CString& path) override;
    // Gathers the live settings and writes them to the path; true, or throws.
    bool Save(const CString& path) override;

    // The text of a string-table id (the id in words when the table lacks it).
    static CString LoadText(UINT id);

protected:
    void Read() override;

private:
    class Walker;

    // The section at an index of the file's order: its name and its text's id.
    struct Section
    {
        const wchar_t* name;
        UINT textId;
    };
    static const Section kSections[7];

    static CString MakeTag(const CString& name);
    void WriteIntElement(const CString& name, int value, const CString& parent);
    // Runs the walker over the records or values of the section at that index.
    void WalkSection(Walker& walker, int section);

    // Calls f (member) for each destination record, in the order of the live program.
    template <class F> void ForEachDestination(F f);
    // Calls f (live record or null, member) for the playing and recording records of
    // training, audio, video and movie capture, in this order.
    template <class F> void ForEachKindRecord(F f);
    void Gather();
    void GatherController();
    void Apply();
    void ApplyScreen();
    void ApplyController();
    // The program's controller; throws the file's text when there is none.
    static CLocalController& Controller();

    InfoScFile m_file;
    InfoScFax m_fax;
    InfoScEditor m_editor;
    InfoScEmail m_email;
    InfoScIcq m_icq;
    InfoScClipboard m_clipboard;
    InfoScPrinter m_printer;
    InfoScScreenSaver m_screenSaver;
    InfoScWallpaper m_wallpaper;
    InfoScWeb m_web;
    InfoScDatabase m_database;
    InfoScSettings m_settings;
    InfoCBTPlaying m_cbtPlaying;
    InfoCBTRecording m_cbtRecording;
    InfoAudioPlaying m_audioPlaying;
    InfoAudioRecording m_audioRecording;
    InfoVideoPlaying m_videoPlaying;
    InfoVideoRecording m_videoRecording;
    InfoPresentationPlaying m_presentationPlaying;
    InfoPresentationRecording m_presentationRecording;

    // The controller's choices, starting at the controller's own defaults: screen
    // capture, every kind in record mode, hot-key index 2.
    int m_captureType = 1;
    bool m_recActive[4] = {true, true, true, true}; // types 2 to 5
    int m_cbtHotKeys = 2;

    // The output window's options as the file carries them; Gather stores the live ones
    // through m_options, Apply hands them to the controller.
    CGlobalOptions m_options;
    bool m_showErrorLog = true;
    bool m_showData = true;
    int m_maxLines = 10000;

    bool m_isConfiguration = false;
};

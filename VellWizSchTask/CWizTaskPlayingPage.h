#pragma once
// CWizTaskPlayingPage: a wizard page that plays a file: the file (typed or browsed), how
// long it plays and how often it repeats, and, for the media that show a window, the
// playback window (position and size, or "Normal": the file's own size) and whether the
// sound plays. Next checks the file's name, its extension and its folder (offering to
// create a missing one), then the window's size.
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskPlayingPage : public CWizTaskPage
{
public:
    // The page's controls; the window's are 0 on a page without a window.
    struct Items
    {
        UINT file, browse, hours, minutes, seconds, repeat, repeatSpin;
        UINT left, top, width, height, normal, audio;
    };
    // The record's fields; the window's are null on a page without a window.
    struct Fields
    {
        CString& file;
        unsigned int& duration;
        int& repeat;
        int* left;
        int* top;
        int* width;
        int* height;
        bool* audio;
    };
    // What the page plays: the file dialog's filter, the extensions it takes and the
    // text that names them when another is typed (both null on a page that checks its
    // file itself).
    struct Media
    {
        const wchar_t* filter;
        bool (*takesExtension)(const CString& path);
        const wchar_t* wrongExtension;
    };

    // The video files that the video and movie playing pages play.
    static const Media kVideoMedia;

    CWizTaskPlayingPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                        const Items& items, const Fields& fields, const Media& media);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
    // Takes the file and checks its name, its extension and its folder.
    virtual bool CheckFile();

private:
    bool HasWindow() const { return m_fields.width != nullptr; }
    void ShowNormal(bool normal);
    bool CheckWindow();

    Items m_items;
    Fields m_fields;
    Media m_media;
    // The width and height typed before "Normal" was checked.
    CString m_keptWidth;
    CString m_keptHeight;
};

#pragma once
// CPPagePropsCaptureBase: what the property pages of training, audio, video and movie
// capture share beside their record copy: the steps of showing and reading the
// controls, and the controls and checks that recur on them (file and folder edits with
// their browse buttons, durations, repeat counts, the played file's checks, the window
// size and its "Normal" size switch).
#include "capture/pages/CPPagePropsBase.h"

#include <functional>

class CPPagePropsCaptureBase : public CPPagePropsBase
{
public:
    // The width and height texts a playing page puts back when its normal size is
    // turned off; each page class keeps one for the whole run.
    struct RememberedSize
    {
        bool set = false;
        CString width, height;
    };
    // The items of a window-size pair and their labels.
    struct SizeItems
    {
        UINT width, height, widthLabel, heightLabel;
    };
    // The three edits of a duration.
    struct DurationItems
    {
        UINT hours, minutes, seconds;
    };

protected:
    // waitCursor: the wait cursor shows while the page fills its controls.
    CPPagePropsCaptureBase(UINT templateId, EnumSendParam type, int pageIndex, bool waitCursor);

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Limits and fills the controls once the page has its window.
    virtual void InitControls() {}
    virtual void RecordToControls() = 0;
    virtual void ReadControls() = 0;
    // The page's checks, in order; the copy holds the controls' values.
    virtual bool Check() { return true; }
    // The page's window is being destroyed.
    virtual void OnDestroyWindow() {}
    // Reads the controls into the copy when the page has a window.
    void ControlsToRecord();

    // The duration's edits: hours 0..999, minutes and seconds 0..59.
    void BindDuration(CNumberEdit (&edits)[3], const DurationItems& items);
    void ShowDuration(const DurationItems& items, unsigned int seconds);
    unsigned int ReadDuration(const DurationItems& items) const;
    // A count edit of minimum..maximum with its spin button on the same range at value.
    void BindCount(CNumberEdit& edit, UINT id, UINT spin, int minimum, int maximum, int value);
    void SetSpin(UINT spin, int minimum, int maximum, int value);

    // The folder browser with the title, starting at the edit's text; a chosen folder replaces it.
    void BrowseFolderInto(UINT edit, const wchar_t* title);
    // The open-file dialog with the filter, starting at the edit's text; the chosen path replaces it.
    void BrowseFileInto(UINT edit, const wchar_t* filter);

    // The name passes the file-name check and the folder the path check; else that check's
    // text and the focus on its edit.
    bool CheckNameAndFolder(const CString& name, UINT nameId, const CString& folder, UINT folderId);
    // A file to play: its name passes the file-name check, hasExtension accepts its path
    // (else extensionMessage) and its folder exists or is created on the user's word (else
    // "The path ... does not exist."); the focus goes to the edit at every failure.
    bool CheckPlayedFile(const CString& path, UINT edit, const std::function<bool(const CString&)>& hasExtension,
                         const CString& extensionMessage);
    // An audio input: with deviceAndFormat, a device and a format (neither empty nor
    // "<ERROR>"); always a pin. The first missing value is named and its list takes the
    // focus.
    struct AudioInputItems
    {
        UINT device, format, pin;
    };
    bool CheckAudioInput(const CString& device, const CString& format, const CString& pin, bool deviceAndFormat,
                         const AudioInputItems& items);
    // A window of at least 200 by 120 pixels; else the message and the focus on that edit.
    bool CheckWindowSize(int width, int height, const SizeItems& items);
    // Shows the normal size switch on: remembers the texts, shows "0" and disables the
    // edits and labels. Off: enables them and, with restore (the user turned it off),
    // puts the remembered texts back; without (the record is shown), remembers the
    // record's size as shown. Before anything is remembered, the texts are the width and
    // height given.
    void ShowNormalSize(bool on, bool restore, const SizeItems& items, RememberedSize& remembered, int width,
                        int height);
    // Enables the items.
    void EnableItems(std::initializer_list<UINT> ids, bool enable);

private:
    bool m_waitCursor;
};

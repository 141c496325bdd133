#pragma once
// CPPagePropsPlayerWindow<R>: the page of a video or movie playback (record R): the file
// to play, how long and how many times, its sound, and the player window, whose size is
// either typed or the video's normal size ("Normal ):", stored as width and height 0).
// The normal-size switch starts on, unless the registry value of the page says 0 or the
// stored window has a size.
#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CPPagePropsCaptureRecord.h"

struct PlayerWindowItems
{
    UINT file, browse, hours, minutes, seconds, repeat, repeatSpin, audio, left, top, width, height, normal, widthLabel,
        heightLabel;
};

// Whether a playing page starts with the normal size: the DWORD value name under the
// program's key when it can be read (true when not 0), else true.
bool ReadNormalSizeSetting(const wchar_t* valueName);
// The open dialog's filter of video files.
extern const wchar_t kVideoFileFilter[];
// What the user is told of a file to play without a video extension: the extensions.
CString FormatVideoExtensionMessage();

template <class R> class CPPagePropsPlayerWindow : public CPPagePropsCaptureRecord<R>
{
    using Base = CPPagePropsCaptureRecord<R>;

protected:
    // readOnApply: Apply reads the controls first; normalSizeValue: the registry value the
    // switch starts from; remembered: the size texts the page class keeps for the run.
    CPPagePropsPlayerWindow(UINT templateId, EnumSendParam type, bool readOnApply, const PlayerWindowItems& items,
                            const wchar_t* normalSizeValue, CPPagePropsCaptureBase::RememberedSize& remembered)
        : Base(templateId, type, 0, 0, true, readOnApply), m_items(items), m_remembered(remembered)
    {
        m_normalSize = ReadNormalSizeSetting(normalSizeValue) && this->Copy().PlayWndWidth < 1 &&
                       this->Copy().PlayWndHeight < 1;
    }

    void InitControls() override
    {
        this->BindPath(m_file, m_items.file, 260);
        this->BindDuration(m_duration, Duration());
        this->BindCount(m_repeat, m_items.repeat, m_items.repeatSpin, 0, 20, this->Copy().PlayRepeat);
        const UINT window[] = {m_items.left, m_items.top, m_items.width, m_items.height};
        for (int i = 0; i < 4; ++i)
            this->BindNumber(m_window[i], window[i], 0, 9999);
    }
    void RecordToControls() override
    {
        R& copy = this->Copy();
        this->SetText(m_items.file, copy.PlayFName);
        this->ShowDuration(Duration(), copy.PlayDuration);
        this->SetNumber(m_items.repeat, copy.PlayRepeat);
        this->SetCheck(m_items.audio, copy.PlayAudio);
        this->SetNumber(m_items.left, copy.PlayWndLeft);
        this->SetNumber(m_items.top, copy.PlayWndTop);
        this->SetNumber(m_items.width, copy.PlayWndWidth);
        this->SetNumber(m_items.height, copy.PlayWndHeight);
        this->SetCheck(m_items.normal, m_normalSize);
        UpdateNormalSize(false);
    }
    void ReadControls() override
    {
        R& copy = this->Copy();
        copy.PlayFName = this->GetText(m_items.file);
        copy.PlayDuration = this->ReadDuration(Duration());
        copy.PlayRepeat = this->GetNumber(m_items.repeat);
        copy.PlayWndLeft = this->GetNumber(m_items.left);
        copy.PlayWndTop = this->GetNumber(m_items.top);
        copy.PlayWndWidth = this->GetNumber(m_items.width);
        copy.PlayWndHeight = this->GetNumber(m_items.height);
    }
    bool Check() override
    {
        R& copy = this->Copy();
        if (!this->CheckPlayedFile(copy.PlayFName, m_items.file,
                                   [](const CString& path) { return IsVideoFileExtension(path, false); },
                                   FormatVideoExtensionMessage()))
            return false;
        if (m_normalSize)
        {
            copy.PlayWndWidth = copy.PlayWndHeight = 0;
            return true;
        }
        return this->CheckWindowSize(copy.PlayWndWidth, copy.PlayWndHeight,
                                     {m_items.width, m_items.height, m_items.widthLabel, m_items.heightLabel});
    }
    bool OnCommand(UINT code, UINT id, HWND control) override
    {
        if (id == m_items.repeat && code == EN_CHANGE)
            this->Copy().PlayRepeat = this->GetNumber(m_items.repeat);
        else if (id == m_items.audio && code == BN_CLICKED)
            this->Copy().PlayAudio = this->GetCheck(m_items.audio);
        else if (id == m_items.normal && code == BN_CLICKED)
            UpdateNormalSize(true);
        else if (id == m_items.browse && code == BN_CLICKED)
            this->BrowseFileInto(m_items.file, kVideoFileFilter);
        else
            return Base::OnCommand(code, id, control);
        return true;
    }

private:
    CPPagePropsCaptureBase::DurationItems Duration() const { return {m_items.hours, m_items.minutes, m_items.seconds}; }
    // The switch takes the check box's state and shows it in the size edits; clicked: the
    // user turned it.
    void UpdateNormalSize(bool clicked)
    {
        m_normalSize = this->GetCheck(m_items.normal);
        this->ShowNormalSize(m_normalSize, clicked, {m_items.width, m_items.height, m_items.widthLabel, m_items.heightLabel},
                             m_remembered, this->Copy().PlayWndWidth, this->Copy().PlayWndHeight);
    }

    PlayerWindowItems m_items;
    CPPagePropsCaptureBase::RememberedSize& m_remembered;
    bool m_normalSize = true;
    CTtEdit m_file;
    CNumberEdit m_duration[3];
    CNumberEdit m_repeat;
    CNumberEdit m_window[4];
};


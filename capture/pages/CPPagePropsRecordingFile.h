#pragma once
// CPPagePropsRecordingFile<R>: the file page of an audio or video recording (record R):
// name, type, folder, duration and whether an existing file is overwritten. The two
// records name these fields alike.
#include "capture/pages/CPPagePropsCaptureRecord.h"

struct RecordingFileItems
{
    UINT name, type, path, browse, hours, minutes, seconds, overwrite;
};

template <class R> class CPPagePropsRecordingFile : public CPPagePropsCaptureRecord<R>
{
    using Base = CPPagePropsCaptureRecord<R>;

protected:
    // fillTypes: lists the file types with the index selected; browseTitle: the folder browser's title.
    CPPagePropsRecordingFile(UINT templateId, EnumSendParam type, bool waitCursor, const RecordingFileItems& items,
                             void (*fillTypes)(HWND, int, bool), const wchar_t* browseTitle)
        : Base(templateId, type, 0, 2, waitCursor), m_items(items), m_fillTypes(fillTypes), m_browseTitle(browseTitle)
    {
    }

    void InitControls() override
    {
        this->BindPath(m_name, m_items.name, 256);
        this->BindPath(m_path, m_items.path, 260);
        this->BindDuration(m_duration, Duration());
        m_fillTypes(this->GetDlgItem(m_items.type), this->Copy().RecFType, false);
    }
    void RecordToControls() override
    {
        R& copy = this->Copy();
        this->SetText(m_items.name, copy.RecFName);
        this->SetText(m_items.path, copy.RecPath);
        this->SetComboIndex(m_items.type, copy.RecFType);
        this->ShowDuration(Duration(), copy.RecDuration);
        this->SetCheck(m_items.overwrite, copy.RecOverwrite);
    }
    void ReadControls() override
    {
        R& copy = this->Copy();
        copy.RecFName = this->GetText(m_items.name);
        copy.RecPath = this->GetText(m_items.path);
        copy.RecFType = static_cast<decltype(copy.RecFType)>(this->GetComboIndex(m_items.type));
        copy.RecDuration = this->ReadDuration(Duration());
        copy.RecOverwrite = this->GetCheck(m_items.overwrite);
    }
    bool Check() override
    {
        return this->CheckNameAndFolder(this->Copy().RecFName, m_items.name, this->Copy().RecPath, m_items.path);
    }
    bool OnCommand(UINT code, UINT id, HWND control) override
    {
        if (code == BN_CLICKED && id == m_items.browse)
            this->BrowseFolderInto(m_items.path, m_browseTitle);
        else if (code == BN_CLICKED && id == m_items.overwrite)
            this->Copy().RecOverwrite = this->GetCheck(m_items.overwrite);
        else
            return Base::OnCommand(code, id, control);
        return true;
    }
    void TakeOwnFields(R& live, const R& copy) override
    {
        live.RecFName = copy.RecFName;
        live.RecPath = copy.RecPath;
        live.RecFType = copy.RecFType;
        live.RecOverwrite = copy.RecOverwrite;
        live.RecDuration = copy.RecDuration;
    }

private:
    CPPagePropsCaptureBase::DurationItems Duration() const { return {m_items.hours, m_items.minutes, m_items.seconds}; }

    RecordingFileItems m_items;
    void (*m_fillTypes)(HWND, int, bool);
    const wchar_t* m_browseTitle;
    CTtEdit m_name, m_path;
    CNumberEdit m_duration[3];
};

#pragma once
// CPPagePropsScImageFile: the page of a destination that writes an image file (the file
// destination, the web server's local copy): file name, image type, folder and the
// overwrite flag. The file name must be a valid name and the folder must exist (the user
// may have it created).
#include "capture/pages/CPPagePropsScBase.h"

// The dialog items of one such page.
struct ImageFileItems
{
    UINT name, type, path, browse, overwrite;
};

class CPPagePropsScImageFile : public CPPagePropsScBase
{
protected:
    CPPagePropsScImageFile(UINT templateId, EnumSendParam type, unsigned int part, const ImageFileItems& items);

    // The record's fields the page edits.
    struct Fields
    {
        CString& name;
        CString& path;
        EnumFileType& type;
        bool& overwrite;
    };
    virtual Fields RecordFields() = 0;

    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    ImageFileItems m_items;
};

#pragma once
// ICapturePropertiesSheet: the property sheet the properties view hosts: the pages of
// one record type at a time, edited on private copies of the records until applied.
#include "Info/InfoEnums.h"

#include <windows.h>

class ICapturePropertiesSheet
{
public:
    virtual ~ICapturePropertiesSheet() = default;

    // Makes the sheet as a visible child of the parent, over the rectangle (client
    // coordinates of the parent); false when it cannot be made.
    virtual bool Create(HWND parent, const RECT& place) = 0;
    // Shows the pages of the record type, opening the page of the hint (-1: the page last
    // looked at for the type).
    virtual bool ShowPages(EnumSendParam type, int pageHint) = 0;
    // Whether any page holds an edit not applied yet.
    virtual bool IsModified() = 0;
    // Checks every page; a page that refuses tells the user and takes the focus.
    virtual bool Validate() = 0;
    // Writes every page into the live records and the registry; false when one failed.
    virtual bool Apply() = 0;
    // Drops the edits; reload: read the pages again from the live records.
    virtual void Reset(bool reload) = 0;
    // Sets the record's switch that shows its dialog when a capture starts.
    virtual void SetDisplayFlag(bool on) = 0;
};

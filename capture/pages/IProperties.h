#pragma once
// IProperties: what a sheet asks of a property page that edits a settings record. The
// page edits its own copy of the record (the page copy) and writes the live record and
// the registry only in Apply and SetDisplayFlag.
#include "Info/SendParam.h"

class IProperties
{
public:
    virtual ~IProperties() = default;

    // True when the controls differ from the live record (the whole record is compared).
    virtual bool IsModified() = 0;
    // True when every check of the page passes; at the first failure the user is told,
    // the focus goes to the control of the bad value, and nothing is written.
    virtual bool Validate() = 0;
    // Writes the page's own fields into the live record and saves them: the save's result.
    virtual bool Apply() = 0;
    // The page copy becomes the live record again; reload shows it in the controls. True.
    virtual bool Reset(bool reload) = 0;
    // Sets the show-dialog flag alone, in the copy, the live record and the registry.
    virtual bool SetDisplayFlag(bool show) = 0;
    // The page copy with the controls read into it, still owned by the page; null for a
    // page that edits no record.
    virtual SendParam* GetRecord() = 0;
};

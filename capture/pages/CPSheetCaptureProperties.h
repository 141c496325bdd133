#pragma once
// CPSheetCaptureProperties: the child property sheet of the pages that edit the settings
// record of one record type, driven through each page's IProperties in page order. It
// lives in the main window's properties view and in the properties dialog; every page of
// the shown type has its window as soon as the type is shown.
#include "capture/pages/CPPagePropsBase.h"
#include "capture/pages/CPSheetCaptureBase.h"

struct ICQAPI_User;

class CPSheetCaptureProperties : public CPSheetCaptureBase
{
public:
    // Prepares the pages of the file destination (7).
    CPSheetCaptureProperties();
    // The page of the shown type at the index, as a record page; null for none.
    CPPagePropsBase* GetRecordPage(int index) const;

    // The IProperties operations over every page of the shown type (7..25), in order.
    bool IsModified();
    bool Validate();
    bool Apply();
    bool Reset(bool reload);
    bool SetDisplayFlag(bool show);
    // What the properties view's "Save" does: every page validates, then every page applies.
    bool Save();
    // Every page's number edits hold numbers within their ranges (the first that does not
    // is shown and told).
    bool CheckNumberRanges();
    // A new record of the shown type built from the pages (the caller owns it); null
    // without a window or for a type outside 7..25.
    SendParam* GetRecord();
    // Shows the contact's details on the ICQ destination's information page.
    void RefreshIcqInfoPage(const ICQAPI_User* user);

protected:
    Pages CreatePages(int type) override;

private:
    bool CanOperate() const;
    // Runs the operation on each record page until one answers stop.
    template <class Operation> bool ForEachPage(Operation operation, bool stop);
};

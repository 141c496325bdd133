#pragma once
// CPPagePropsScIcqInfo: the ICQ destination's second page: the chosen contact's details,
// read-only. It edits no record: it is never modified and its operations do nothing.
#include "capture/pages/CPPagePropsBase.h"

struct ICQAPI_User;

class CPPagePropsScIcqInfo : public CPPagePropsBase
{
public:
    CPPagePropsScIcqInfo();

    // Shows the contact's details; nothing for null.
    void ShowUserInfo(const ICQAPI_User* user);

    bool IsModified() override { return false; }
    bool Validate() override { return true; }
    bool Apply() override { return true; }
    bool Reset(bool) override { return true; }
    bool SetDisplayFlag(bool) override { return true; }
    SendParam* GetRecord() override { return nullptr; }
};

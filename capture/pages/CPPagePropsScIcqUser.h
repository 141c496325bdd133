#pragma once
// CPPagePropsScIcqUser: the ICQ destination's page: the contact the picture goes to, from
// the ICQ client's lists (refilled when the client says they changed), and the image type.
// Its handlers write the copy at once; nothing is read from the controls later.
#include "capture/destinations/CIcqContactList.h"
#include "capture/pages/CPPagePropsScBase.h"

struct ICQAPI_User;

class CPPagePropsScIcqUser : public CPPagePropsScBase
{
public:
    CPPagePropsScIcqUser();
    ~CPPagePropsScIcqUser() override;

    bool Reset(bool reload) override;
    // The contact selected in the list; null for none.
    ICQAPI_User* GetSelectedUser() const;

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override {}
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void TakeSelectedUser();

    CIcqContactList m_contacts;
};

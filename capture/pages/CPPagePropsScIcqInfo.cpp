#include "capture/pages/CPPagePropsScIcqInfo.h"

#include "capture/pages/PagesIds.h"
#include "standins/icq/IcqApi.h"

CPPagePropsScIcqInfo::CPPagePropsScIcqInfo() : CPPagePropsBase(IDD_PROPS_SC_ICQ_INFO, SP_SC_ICQ, 1) {}

void CPPagePropsScIcqInfo::ShowUserInfo(const ICQAPI_User* user)
{
    if (!user || !GetSafeHwnd())
        return;
    // The client's user record carries the e-mail address; its other details stay empty.
    SetText(IDC_ICQ_EMAIL, CString(user->Email));
}

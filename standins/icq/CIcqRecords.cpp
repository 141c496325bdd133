#include "standins/icq/CIcqRecords.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace
{
// The allocation behind a group array.
struct GroupArray
{
    explicit GroupArray(size_t count) : groups(new ICQAPI_Group[count]()), remaining(count) {}
    ~GroupArray() { delete[] groups; }

    ICQAPI_Group* groups;
    size_t remaining;
};

// Copies text in the ANSI code page, cut to the field's size.
template <size_t Size> void CopyText(char (&field)[Size], const CString& text)
{
    std::string ansi = text.ToAnsi();
    ansi.resize(std::min(ansi.size(), Size - 1));
    memcpy(field, ansi.c_str(), ansi.size() + 1);
}
} // namespace

void CIcqRecords::FillBrief(ICQAPI_User& user, const CIcqClientConfig::Contact& contact)
{
    user = ICQAPI_User();
    user.Uin = contact.uin;
    user.Status = contact.online ? ICQAPI_STATUS_ONLINE : ICQAPI_STATUS_OFFLINE;
    CopyText(user.Nickname, contact.nickname);
}

void CIcqRecords::FillFull(ICQAPI_User& user, const CIcqClientConfig::Contact& contact)
{
    FillBrief(user, contact);
    user.IP = contact.ip;
    CopyText(user.FirstName, contact.firstName);
    CopyText(user.LastName, contact.lastName);
    CopyText(user.Email, contact.email);
}

ICQAPI_User* CIcqRecords::CreateUsers(const std::vector<const CIcqClientConfig::Contact*>& contacts)
{
    if (contacts.empty())
        return nullptr;
    ICQAPI_User* users = new ICQAPI_User[contacts.size()];
    for (size_t i = 0; i < contacts.size(); ++i)
        FillBrief(users[i], *contacts[i]);
    return users;
}

void CIcqRecords::FreeUsers(ICQAPI_User* users)
{
    delete[] users;
}

ICQAPI_Group* CIcqRecords::CreateGroups(const std::vector<CIcqClientConfig::Group>& groups)
{
    if (groups.empty())
        return nullptr;
    GroupArray* array = new GroupArray(groups.size());
    for (size_t i = 0; i < groups.size(); ++i)
    {
        ICQAPI_Group& group = array->groups[i];
        CopyText(group.Name, groups[i].first);
        group.UserCount = static_cast<int>(groups[i].second.size());
        group.Users = CreateUsers(groups[i].second);
        group.Reserved = array;
    }
    return array->groups;
}

void CIcqRecords::FreeGroup(ICQAPI_Group* group)
{
    if (!group || !group->Reserved)
        return;
    GroupArray* array = static_cast<GroupArray*>(group->Reserved);
    FreeUsers(group->Users);
    group->Users = nullptr;
    group->UserCount = 0;
    group->Reserved = nullptr;
    if (--array->remaining == 0)
        delete array;
}

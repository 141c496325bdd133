#pragma once
// CIcqRecords: the user and group arrays that the ICQ API hands out, and their freeing.
// A group array is one allocation shared by its groups: each group's Reserved points at
// it, and freeing the last group frees it.
#include "standins/icq/CIcqClientConfig.h"
#include "standins/icq/IcqApi.h"

class CIcqRecords
{
public:
    // Uin, Status and Nickname of contact; the rest zero.
    static void FillBrief(ICQAPI_User& user, const CIcqClientConfig::Contact& contact);
    // Every field of contact.
    static void FillFull(ICQAPI_User& user, const CIcqClientConfig::Contact& contact);

    // Brief records of contacts; null for none.
    static ICQAPI_User* CreateUsers(const std::vector<const CIcqClientConfig::Contact*>& contacts);
    static void FreeUsers(ICQAPI_User* users);
    // The groups with brief records of their users; null for none.
    static ICQAPI_Group* CreateGroups(const std::vector<CIcqClientConfig::Group>& groups);
    // Frees the group's users; a group freed before is left alone.
    static void FreeGroup(ICQAPI_Group* group);
};

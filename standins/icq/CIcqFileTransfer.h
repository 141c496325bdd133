#pragma once
// CIcqFileTransfer: sending a file to a user of the contact list, which puts a copy in
// the user's folder of received files (see CIcqClientConfig). A file of the same name
// already there is kept; the copy is then named "name (2).ext", "name (3).ext", ...
#include "standins/icq/CIcqClientConfig.h"

class CIcqFileTransfer
{
public:
    explicit CIcqFileTransfer(const CIcqClientConfig& config) : m_config(config) {}

    // False with the thread's last error: ERROR_SERVICE_NOT_ACTIVE while the client is
    // not running, ERROR_NOT_FOUND for a user not in the list, ERROR_NOT_CONNECTED for
    // an offline one, the file error when the file cannot be copied. received (may be
    // null) gets the copy's path.
    bool Send(int uin, const CString& path, CString* received = nullptr) const;

private:
    // The first free name for fileName in folder.
    static CString FreeName(const CString& folder, const CString& fileName);

    const CIcqClientConfig& m_config;
};

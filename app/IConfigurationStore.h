#pragma once
// IConfigurationStore: loads every settings record from a configuration file, or saves
// them all into one.
#include "framework/CString.h"

class IConfigurationStore
{
public:
    virtual ~IConfigurationStore() = default;

    // False on failure; error then holds the reason, or stays empty when the file could
    // not be parsed (the caller shows its own text for that).
    virtual bool Load(const CString& path, CString& error) = 0;
    virtual bool Save(const CString& path, CString& error) = 0;
};

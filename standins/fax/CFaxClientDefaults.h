#pragma once
// CFaxClientDefaults: the fax client's job parameters and cover-page information, filled
// with the sender defaults of the service's settings. Each record is one LocalAlloc block
// that holds its texts too, so that one FaxFreeBuffer frees it. The sender's texts are
// never null (empty when not set); the recipient's, the note and the subject are null.
#include "standins/fax/CFaxServiceConfig.h"
#include "common/FaxClientApi.h"

class CFaxClientDefaults
{
public:
    explicit CFaxClientDefaults(const CFaxServiceConfig& config) : m_config(config) {}

    // Null when out of memory.
    FAX_JOB_PARAMW* CreateJobParams() const;
    FAX_COVERPAGE_INFOW* CreateCoverpageInfo() const;

private:
    const CFaxServiceConfig& m_config;
};

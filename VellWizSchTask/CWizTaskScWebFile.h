#pragma once
// CWizTaskScWebFile: the first wizard page of the web server destination: the image file
// made before the upload (an image file page). It owns the destination's record, whose
// server part the upload page edits.
#include "Info/InfoScWeb.h"
#include "VellWizSchTask/CWizTaskImageFilePage.h"

class CWizTaskScWebFile : public CWizTaskImageFilePage
{
public:
    explicit CWizTaskScWebFile(CWizTaskPropSheet& sheet);

    InfoScWeb m_record;
};

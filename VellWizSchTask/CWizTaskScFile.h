#pragma once
// CWizTaskScFile: the wizard page of the file destination (an image file page).
#include "Info/InfoScFile.h"
#include "VellWizSchTask/CWizTaskImageFilePage.h"

class CWizTaskScFile : public CWizTaskImageFilePage
{
public:
    explicit CWizTaskScFile(CWizTaskPropSheet& sheet);

    InfoScFile m_record;
};

#pragma once
// CWizTaskScWebUpload: the second wizard page of the web server destination: the server
// the image file is uploaded to (type, host, user, password, folder, port), in the
// record of the web file page. Next checks that they make an address.
#include "Info/InfoScWeb.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScWebUpload : public CWizTaskPage
{
public:
    CWizTaskScWebUpload(CWizTaskPropSheet& sheet, InfoScWeb& record);

protected:
    BOOL OnInitDialog() override;
    bool CheckNext() override;

private:
    InfoScWeb& m_record;
};

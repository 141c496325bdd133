#pragma once
// CPPagePropsScWebUpload: the web server destination's upload page: the server type, host, login, password, folder on the server and port. The address they make must parse as an internet address.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScWebUpload : public CPPagePropsScBase
{
public:
    CPPagePropsScWebUpload();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
};

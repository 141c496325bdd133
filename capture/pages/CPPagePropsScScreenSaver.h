#pragma once
// CPPagePropsScScreenSaver: the screen-saver destination's page: the picture's name, whether a unique name is made of it, and whether the picture becomes the saver's current one.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScScreenSaver : public CPPagePropsScBase
{
public:
    CPPagePropsScScreenSaver();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
};

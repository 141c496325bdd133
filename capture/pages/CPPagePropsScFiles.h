#pragma once
// CPPagePropsScFiles: the image-file page of the file destination.
#include "capture/pages/CPPagePropsScImageFile.h"

class CPPagePropsScFiles : public CPPagePropsScImageFile
{
public:
    CPPagePropsScFiles();

protected:
    Fields RecordFields() override;
};

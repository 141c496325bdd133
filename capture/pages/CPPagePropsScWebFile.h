#pragma once
// CPPagePropsScWebFile: the image-file page of the web server destination (the local image file).
#include "capture/pages/CPPagePropsScImageFile.h"

class CPPagePropsScWebFile : public CPPagePropsScImageFile
{
public:
    CPPagePropsScWebFile();

protected:
    Fields RecordFields() override;
};

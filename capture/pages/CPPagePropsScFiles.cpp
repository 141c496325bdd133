#include "capture/pages/CPPagePropsScFiles.h"

#include "Info/InfoScFile.h"
#include "capture/pages/PagesIds.h"

CPPagePropsScFiles::CPPagePropsScFiles()
    : CPPagePropsScImageFile(IDD_PROPS_SC_FILES, SP_SC_FILE, 2,
                             {IDC_FILE_NAME, IDC_FILE_TYPE, IDC_FILE_PATH, IDC_FILE_BROWSE, IDC_FILE_OVERWRITE})
{
}

CPPagePropsScImageFile::Fields CPPagePropsScFiles::RecordFields()
{
    auto& record = CopyAs<InfoScFile>();
    return {record.FName, record.FPath, record.FType, record.Overwrite};
}

#include "capture/pages/CPPagePropsScWebFile.h"

#include "Info/InfoScWeb.h"
#include "capture/pages/PagesIds.h"

CPPagePropsScWebFile::CPPagePropsScWebFile()
    : CPPagePropsScImageFile(IDD_PROPS_SC_WEB_FILE, SP_SC_WEB, 4,
                             {IDC_WEBFILE_NAME, IDC_WEBFILE_TYPE, IDC_WEBFILE_PATH, IDC_WEBFILE_BROWSE, IDC_WEBFILE_OVERWRITE})
{
}

CPPagePropsScImageFile::Fields CPPagePropsScWebFile::RecordFields()
{
    auto& record = CopyAs<InfoScWeb>();
    return {record.FName, record.FPath, record.FType, record.Overwrite};
}

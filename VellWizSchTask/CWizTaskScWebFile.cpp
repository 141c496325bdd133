#include "VellWizSchTask/CWizTaskScWebFile.h"

#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskScWebFile::CWizTaskScWebFile(CWizTaskPropSheet& sheet)
    : CWizTaskImageFilePage(sheet, IDD_WIZ_SC_WEB_FILE, IDS_WIZ_SC_WEB_FILE_TITLE, IDS_WIZ_SC_WEB_FILE_SUBTITLE,
                            {IDC_WZ_WEBFILE_NAME, IDC_WZ_WEBFILE_TYPE, IDC_WEBFILE_FOLDER, IDC_WZ_WEBFILE_BROWSE,
                             IDC_WZ_WEBFILE_OVERWRITE},
                            {m_record.FName, m_record.FPath, m_record.FType, m_record.Overwrite})
{
}

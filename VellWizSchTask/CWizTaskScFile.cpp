#include "VellWizSchTask/CWizTaskScFile.h"

#include "VellWizSchTask/TaskWizardResources.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskScFile::CWizTaskScFile(CWizTaskPropSheet& sheet)
    : CWizTaskImageFilePage(sheet, IDD_WIZ_SC_FILE, IDS_WIZ_SC_FILE_TITLE, IDS_WIZ_SC_FILE_SUBTITLE,
                            {IDC_WZ_FILE_NAME, IDC_WZ_FILE_TYPE, IDC_FILE_FOLDER, IDC_WZ_FILE_BROWSE, IDC_WZ_FILE_OVERWRITE},
                            {m_record.FName, m_record.FPath, m_record.FType, m_record.Overwrite})
{
}

#pragma once
// CImageDatabase: the database destination. It inserts the captured picture, as the
// bytes of a bitmap file, into the long-binary column of a new row of an ODBC data
// source's table; the record's extra columns fill further columns of that row.
#include "Info/InfoScDatabase.h"
#include "capture/destinations/CRecordDestination.h"

class CImageDatabase : public CRecordDestination<InfoScDatabase>
{
public:
    CImageDatabase() = default;

    // Writes the picture to a temporary bitmap file in the log folder, inserts the row
    // and deletes the file again, whatever the outcome. DR_DONE when the row was
    // inserted; DR_FAILED (with the error text set, except when there is no picture)
    // when the file cannot be written or read, or the connection, a query or the
    // insert fails.
    DestinationResult Execute() override;

protected:
    // 1 Display; 2 ConnStr, Table, BlobCol, ExtraColInfo; 3 Duration, Frequence.
    void CopyPart(const InfoScDatabase& record, unsigned int part) override;

private:
    // Inserts the row with the bitmap file's bytes; false with the reason.
    bool InsertRow(const CString& imagePath, CString& reason) const;
};

#pragma once
// CImageWeb: the web server destination. It writes the captured picture to an
// image file in a local folder and, for a remote server, uploads that file by
// FTP into a folder of the server. A local web server serves the folder
// itself: nothing is uploaded.
#include "Info/InfoScWeb.h"
#include "capture/destinations/CRecordDestination.h"

class CImageWeb : public CRecordDestination<InfoScWeb>
{
public:
    CImageWeb() = default;

    // Writes the picture to FPath\FName + the extension of FType (a numbered
    // name when the file exists and Overwrite is off), then uploads it unless
    // SvrType names a local server. DR_DONE when all of it was done; DR_FAILED
    // with the error text set otherwise. The local file stays either way.
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 3 Duration, Frequence; 4 FName, FPath, FType, Overwrite;
    // 5 HostAddress, Port, Login, Pwd, WebPath.
    void CopyPart(const InfoScWeb& record, unsigned int part) override;

private:
    // Sends the written file (the record's FName holds its full path) into the
    // record's remote folder; false with the error text set.
    bool Upload(const InfoScWeb& record);
};

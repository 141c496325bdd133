#pragma once
// CImagePrinter: the printer destination. It prints the captured picture on the
// printer the record names, enlarged by a whole factor that matches the
// printer's resolution to the display's, one document per copy.
#include "Info/InfoScPrinter.h"
#include "capture/destinations/CRecordDestination.h"

class CImagePrinter : public CRecordDestination<InfoScPrinter>
{
public:
    CImagePrinter() = default;
    ~CImagePrinter() override;

    // Prints NumCopies documents of one page each (none for 0 or less). DR_DONE
    // when all were printed; DR_FAILED with the error text set when the printer
    // cannot be used or a document fails (those printed before it stay printed).
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 2 Name, DrvName, PortName, Orientation, NumCopies; 3 Duration,
    // Frequence.
    void CopyPart(const InfoScPrinter& record, unsigned int part) override;

    // The larger of the whole ratios printer width / display width and printer
    // height / display height, and at least 1: a printer coarser than the
    // display prints the picture at its own size.
    static int GetScaleFactor(int printerWidth, int printerHeight, int displayWidth, int displayHeight);

    // The device mode of the last printer context made, a copy of the default
    // printer's with the record's orientation and one copy per document; null
    // when the default printer's own settings were used.
    HGLOBAL m_hDevMode = nullptr;
    DEVMODEW* m_pDevMode = nullptr;

private:
    // A context of the record's printer; null when it cannot be made.
    HDC CreatePrinterDC(const InfoScPrinter& info);
    void MakeDevMode(const DEVMODEW& defaults, EnumPageOrientation orientation);
    void FreeDevMode();

    DestinationResult PrintJob(HDC printer, int copies);
    // One document of one page with the picture at (5, 5) stretched to target.
    bool PrintCopy(HDC printer, HDC picture, const RECT& target);
};

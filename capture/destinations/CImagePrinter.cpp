#include "capture/destinations/CImagePrinter.h"

#include "common/SystemHelpers.h"

#include <algorithm>
#include <commdlg.h>

namespace
{
// The print-setup dialog's flags: no selection, no page numbers, copies kept in
// the device mode, no print-to-file box.
const DWORD kSetupFlags =
    PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
// Each document asks the printer for one copy; more copies are more documents.
const short kCopiesPerDocument = 1;
const int kPageMargin = 5;

// The system's default printer settings, as the print-setup dialog gives them
// without showing itself; both handles are freed with the object.
class DefaultPrinterSettings
{
public:
    DefaultPrinterSettings()
    {
        m_dialog.lStructSize = sizeof(m_dialog);
        m_dialog.Flags = kSetupFlags | PD_RETURNDEFAULT;
        if (PrintDlgW(&m_dialog) && m_dialog.hDevMode && m_dialog.hDevNames)
        {
            m_mode = static_cast<DEVMODEW*>(GlobalLock(m_dialog.hDevMode));
            m_names = static_cast<DEVNAMES*>(GlobalLock(m_dialog.hDevNames));
        }
    }
    ~DefaultPrinterSettings()
    {
        Release(m_dialog.hDevMode, m_mode);
        Release(m_dialog.hDevNames, m_names);
    }
    DefaultPrinterSettings(const DefaultPrinterSettings&) = delete;
    DefaultPrinterSettings& operator=(const DefaultPrinterSettings&) = delete;

    bool IsRead() const { return m_mode != nullptr && m_names != nullptr; }
    const DEVMODEW& Mode() const { return *m_mode; }
    CString DeviceName() const { return reinterpret_cast<const wchar_t*>(m_names) + m_names->wDeviceOffset; }

private:
    static void Release(HGLOBAL block, const void* locked)
    {
        if (locked)
            GlobalUnlock(block);
        if (block)
            GlobalFree(block);
    }

    PRINTDLGW m_dialog = {};
    DEVMODEW* m_mode = nullptr;
    DEVNAMES* m_names = nullptr;
};

// The width and height of a device context in pixels.
SIZE GetPixelSize(HDC dc)
{
    return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}
} // namespace

CImagePrinter::~CImagePrinter()
{
    FreeDevMode();
}

DestinationResult CImagePrinter::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScPrinter& info = RunInfo();

    HDC printer = CreatePrinterDC(info);
    if (printer == nullptr)
    {
        m_errorText.Format(L"Cannot select the specified printer '%s'.", info.Name.GetString());
        return DR_FAILED;
    }
    DestinationResult result = PrintJob(printer, info.NumCopies);
    DeleteDC(printer);
    return result;
}

HDC CImagePrinter::CreatePrinterDC(const InfoScPrinter& info)
{
    FreeDevMode();
    DefaultPrinterSettings defaults;
    // The default printer's own settings serve when they are the record's; any
    // difference needs a device mode of this destination's.
    if (defaults.IsRead() &&
        (defaults.DeviceName().CompareNoCase(info.Name) != 0 || defaults.Mode().dmCopies != kCopiesPerDocument ||
         defaults.Mode().dmOrientation != info.Orientation))
        MakeDevMode(defaults.Mode(), info.Orientation);
    return CreateDCW(info.DrvName, info.Name, info.PortName, m_pDevMode);
}

void CImagePrinter::MakeDevMode(const DEVMODEW& defaults, EnumPageOrientation orientation)
{
    m_hDevMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
    m_pDevMode = m_hDevMode ? static_cast<DEVMODEW*>(GlobalLock(m_hDevMode)) : nullptr;
    if (m_pDevMode == nullptr)
    {
        FreeDevMode();
        return;
    }
    // The public part only: the block has no room for the driver's private data
    // that follows it in the default printer's device mode.
    const size_t size = std::min<size_t>(defaults.dmSize, sizeof(DEVMODEW));
    memcpy(m_pDevMode, &defaults, size);
    m_pDevMode->dmSize = static_cast<WORD>(size);
    m_pDevMode->dmDriverExtra = 0;
    m_pDevMode->dmCopies = kCopiesPerDocument;
    m_pDevMode->dmOrientation = static_cast<short>(orientation);
    m_pDevMode->dmFields |= DM_COPIES | DM_ORIENTATION;
}

void CImagePrinter::FreeDevMode()
{
    if (m_pDevMode)
        GlobalUnlock(m_hDevMode);
    if (m_hDevMode)
        GlobalFree(m_hDevMode);
    m_pDevMode = nullptr;
    m_hDevMode = nullptr;
}

int CImagePrinter::GetScaleFactor(int printerWidth, int printerHeight, int displayWidth, int displayHeight)
{
    int sx = displayWidth > 0 ? printerWidth / displayWidth : 0;
    int sy = displayHeight > 0 ? printerHeight / displayHeight : 0;
    return std::max(1, std::max(sx, sy));
}

DestinationResult CImagePrinter::PrintJob(HDC printer, int copies)
{
    SetMapMode(printer, MM_TEXT);
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    SIZE displaySize = GetPixelSize(display);
    DeleteDC(display);
    SIZE printerSize = GetPixelSize(printer);
    int scale = GetScaleFactor(printerSize.cx, printerSize.cy, displaySize.cx, displaySize.cy);
    RECT target = {kPageMargin, kPageMargin, kPageMargin + m_image->GetWidth() * scale,
                   kPageMargin + m_image->GetHeight() * scale};

    HDC picture = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(picture, GetBitmap());
    bool printed = true;
    for (int copy = 0; copy < copies && printed; ++copy)
        printed = PrintCopy(printer, picture, target);
    SelectObject(picture, previous);
    DeleteDC(picture);
    return printed ? DR_DONE : DR_FAILED;
}

bool CImagePrinter::PrintCopy(HDC printer, HDC picture, const RECT& target)
{
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = L"Vellumor's Image";
    if (StartDocW(printer, &document) <= 0)
    {
        m_errorText.Format(L"There was a failure printing the image. Cannot start the document. System error: %s",
                           GetLastErrorText().GetString());
        return false;
    }
    if (StartPage(printer) <= 0)
    {
        m_errorText.Format(L"There was a failure printing the image. Cannot start the page. System error: %s",
                           GetLastErrorText().GetString());
        EndDoc(printer);
        return false;
    }
    if (!StretchBlt(printer, target.left, target.top, target.right - target.left, target.bottom - target.top, picture,
                    0, 0, m_image->GetWidth(), m_image->GetHeight(), SRCCOPY))
    {
        m_errorText.Format(L"Error printing the image. System error: %s", GetLastErrorText().GetString());
        EndPage(printer);
        EndDoc(printer);
        return false;
    }
    EndPage(printer);
    EndDoc(printer);
    return true;
}

void CImagePrinter::CopyPart(const InfoScPrinter& record, unsigned int part)
{
    InfoScPrinter& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.Name = record.Name;
        edit.DrvName = record.DrvName;
        edit.PortName = record.PortName;
        edit.Orientation = record.Orientation;
        edit.NumCopies = record.NumCopies;
        break;
    default:
        break;
    }
}

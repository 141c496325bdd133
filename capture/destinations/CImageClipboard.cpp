#include "capture/destinations/CImageClipboard.h"

#include "common/CDibToolkit.h"
#include "common/SystemHelpers.h"
#include "framework/AppMainWnd.h"

#include <cstring>

namespace
{
// A copy of a block of global memory in new moveable memory; null when the block
// is empty or no memory is left.
HGLOBAL CopyGlobalMemory(HGLOBAL source)
{
    SIZE_T size = source ? GlobalSize(source) : 0;
    if (size == 0)
        return nullptr;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy == nullptr)
        return nullptr;
    const void* from = GlobalLock(source);
    void* to = GlobalLock(copy);
    if (from && to)
        memcpy(to, from, size);
    if (from)
        GlobalUnlock(source);
    if (to)
        GlobalUnlock(copy);
    if (from && to)
        return copy;
    GlobalFree(copy);
    return nullptr;
}

void FreeClipboardData(UINT format, HANDLE data)
{
    if (format == CF_BITMAP)
        DeleteObject(data);
    else
        GlobalFree(data);
}
} // namespace

DestinationResult CImageClipboard::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    // A clipboard opened for no window loses its owner on EmptyClipboard, and the
    // system may then refuse SetClipboardData; a hidden message-only window of
    // our own owns the data instead. The data stays after the window is gone.
    HWND owner = AppGetMainWnd();
    HWND ownWindow = nullptr;
    if (owner == nullptr)
        ownWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestinationResult result = PutOnClipboard(owner ? owner : ownWindow);
    if (ownWindow)
        DestroyWindow(ownWindow);
    return result;
}

DestinationResult CImageClipboard::PutOnClipboard(HWND owner)
{
    if (!OpenClipboard(owner))
        return FailWithLastError(false);
    if (!EmptyClipboard())
        return FailWithLastError(true);

    UINT format = 0;
    HANDLE data = MakeClipboardData(format);
    if (data == nullptr)
        return FailWithLastError(true);
    if (SetClipboardData(format, data) == nullptr)
    {
        DestinationResult failed = FailWithLastError(true);
        FreeClipboardData(format, data);
        return failed;
    }
    CloseClipboard();
    return DR_DONE;
}

HANDLE CImageClipboard::MakeClipboardData(UINT& format) const
{
    CDibToolkit dib(GetBitmap());
    switch (RunInfo().FType)
    {
    case FT_BMP:
        format = CF_BITMAP;
        return dib.ToBitmap(nullptr);
    case FT_DIB:
        // The toolkit frees its own DIB; the clipboard gets a copy to keep.
        format = CF_DIB;
        return CopyGlobalMemory(dib.GetHandle());
    default:
        SetLastError(ERROR_UNSUPPORTED_TYPE);
        return nullptr;
    }
}

DestinationResult CImageClipboard::FailWithLastError(bool closeClipboard)
{
    m_errorText = GetLastErrorText();
    if (closeClipboard)
        CloseClipboard();
    return DR_FAILED;
}

void CImageClipboard::CopyPart(const InfoScClipboard& record, unsigned int part)
{
    InfoScClipboard& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.FType = record.FType;
        break;
    default:
        break;
    }
}

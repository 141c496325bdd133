#include "capture/selection/CHkVellLibrary.h"

namespace
{
// The full path of fileName in the folder of the running program.
CString ProgramFolderPath(const wchar_t* fileName)
{
    wchar_t program[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    CString path(program, static_cast<int>(length));
    return path.Left(path.ReverseFind(L'\\') + 1) + fileName;
}

const wchar_t* const kUnavailable = L" Screen capture by holding the right mouse button is not available.";
}

CHkVellLibrary::~CHkVellLibrary()
{
    Unload();
}

bool CHkVellLibrary::Load(const wchar_t* fileName)
{
    Unload();
    m_errorText.Empty();
    const CString path = ProgramFolderPath(fileName);
    m_module = LoadLibraryW(path);
    if (!m_module)
    {
        m_errorText.Format(L"The mouse and keyboard watch library %s could not be loaded (error %lu).%s",
                           path.GetString(), GetLastError(), kUnavailable);
        return false;
    }
    if (Resolve(path, kHkVellOrdinalStartWatch, m_startWatch) && Resolve(path, kHkVellOrdinalStopWatch, m_stopWatch) &&
        Resolve(path, kHkVellOrdinalIsRightButtonHeld, m_isRightButtonHeld) &&
        Resolve(path, kHkVellOrdinalSetCapturing, m_setCapturing) &&
        Resolve(path, kHkVellOrdinalSetSelecting, m_setSelecting) &&
        Resolve(path, kHkVellOrdinalStartNotify, m_startNotify) &&
        Resolve(path, kHkVellOrdinalStopNotify, m_stopNotify) &&
        Resolve(path, kHkVellOrdinalSetRepeatHotKey, m_setRepeatHotKey) &&
        Resolve(path, kHkVellOrdinalSetSelectionType, m_setSelectionType))
        return true;
    Unload();
    return false;
}

template <typename Function>
bool CHkVellLibrary::Resolve(const CString& path, HkVellOrdinal ordinal, Function& function)
{
    FARPROC address = GetProcAddress(m_module, MAKEINTRESOURCEA(ordinal));
    if (!address)
    {
        m_errorText.Format(L"The mouse and keyboard watch library %s has no function at ordinal %d.%s",
                           path.GetString(), static_cast<int>(ordinal), kUnavailable);
        return false;
    }
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    return true;
}

void CHkVellLibrary::Unload()
{
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
    ClearFunctions();
}

void CHkVellLibrary::ClearFunctions()
{
    m_startWatch = nullptr;
    m_stopWatch = nullptr;
    m_isRightButtonHeld = nullptr;
    m_setCapturing = nullptr;
    m_setSelecting = nullptr;
    m_startNotify = nullptr;
    m_stopNotify = nullptr;
    m_setRepeatHotKey = nullptr;
    m_setSelectionType = nullptr;
}

void CHkVellLibrary::HkVellStartWatch(CWnd* mainWindow)
{
    if (m_startWatch)
        m_startWatch(mainWindow);
}

void CHkVellLibrary::HkVellStopWatch()
{
    if (m_stopWatch)
        m_stopWatch();
}

bool CHkVellLibrary::HkVellIsRightButtonHeld()
{
    return m_isRightButtonHeld && m_isRightButtonHeld();
}

void CHkVellLibrary::HkVellSetCapturing(bool capturing)
{
    if (m_setCapturing)
        m_setCapturing(capturing);
}

void CHkVellLibrary::HkVellSetSelecting(bool selecting)
{
    if (m_setSelecting)
        m_setSelecting(selecting);
}

void CHkVellLibrary::HkVellStartNotify(CWnd* mainWindow)
{
    if (m_startNotify)
        m_startNotify(mainWindow);
}

void CHkVellLibrary::HkVellStopNotify()
{
    if (m_stopNotify)
        m_stopNotify();
}

void CHkVellLibrary::HkVellSetRepeatHotKey(EnumRepeatLastCapture hotKey)
{
    if (m_setRepeatHotKey)
        m_setRepeatHotKey(hotKey);
}

void CHkVellLibrary::HkVellSetSelectionType(EnumScreenCaptureType type)
{
    if (m_setSelectionType)
        m_setSelectionType(type);
}

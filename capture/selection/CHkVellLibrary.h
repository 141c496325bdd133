#pragma once
// CHkVellLibrary: the caller's side of HkVell.dll, the mouse and keyboard watch of screen
// and movie capture (hkvell/HkVellApi.h). The library is optional: it is loaded at run
// time from the program's folder and its nine functions are resolved by ordinal. While it
// is not loaded every call does nothing and the right button never counts as held, so
// only capture by holding the right button is unavailable.
#include "framework/CString.h"
#include "hkvell/HkVellApi.h"
#include "Info/InfoEnums.h"

class CHkVellLibrary
{
public:
    CHkVellLibrary() = default;
    CHkVellLibrary(const CHkVellLibrary&) = delete;
    CHkVellLibrary& operator=(const CHkVellLibrary&) = delete;
    ~CHkVellLibrary();

    // Loads fileName from the program's folder (freeing a library loaded before) and
    // resolves ordinals 1 to 9. False, with the library not loaded and a full-sentence
    // reason in GetErrorText, when the file cannot be loaded or lacks one of them.
    bool Load(const wchar_t* fileName = L"HkVell.dll");
    // The library's own clean-up removes its hooks.
    void Unload();
    bool IsLoaded() const { return m_module != nullptr; }
    const CString& GetErrorText() const { return m_errorText; }

    void HkVellStartWatch(CWnd* mainWindow);
    void HkVellStopWatch();
    bool HkVellIsRightButtonHeld();
    void HkVellSetCapturing(bool capturing);
    void HkVellSetSelecting(bool selecting);
    void HkVellStartNotify(CWnd* mainWindow);
    void HkVellStopNotify();
    void HkVellSetRepeatHotKey(EnumRepeatLastCapture hotKey);
    void HkVellSetSelectionType(EnumScreenCaptureType type);

private:
    template <typename Function>
    bool Resolve(const CString& path, HkVellOrdinal ordinal, Function& function);
    void ClearFunctions();

    HMODULE m_module = nullptr;
    CString m_errorText;
    decltype(&::HkVellStartWatch) m_startWatch = nullptr;
    decltype(&::HkVellStopWatch) m_stopWatch = nullptr;
    decltype(&::HkVellIsRightButtonHeld) m_isRightButtonHeld = nullptr;
    decltype(&::HkVellSetCapturing) m_setCapturing = nullptr;
    decltype(&::HkVellSetSelecting) m_setSelecting = nullptr;
    decltype(&::HkVellStartNotify) m_startNotify = nullptr;
    decltype(&::HkVellStopNotify) m_stopNotify = nullptr;
    decltype(&::HkVellSetRepeatHotKey) m_setRepeatHotKey = nullptr;
    decltype(&::HkVellSetSelectionType) m_setSelectionType = nullptr;
};

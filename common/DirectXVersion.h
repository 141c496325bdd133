#pragma once
// The installed DirectX version, read from the DirectX diagnostics provider (DxDiag).
#include <windows.h>

struct IDxDiagContainer;

// Reads the DirectX version, e.g. 9, 0 and 'c' for "9.0c". COM is initialised for the
// call; the provider is apartment-threaded, so a thread already in the multithreaded
// apartment gets E_FAIL. S_OK when all three values were read, else E_FAIL.
HRESULT GetDirectXVersion(DWORD& major, DWORD& minor, wchar_t& letter);

// Reads the version from the provider's "DxDiag_SystemInfo" container: the major and
// minor numbers must be unsigned 32-bit values and the letter a non-empty string, of
// which the first character is taken. S_OK when all three were read, else E_FAIL.
HRESULT ReadDirectXVersion(IDxDiagContainer* systemInfo, DWORD& major, DWORD& minor, wchar_t& letter);

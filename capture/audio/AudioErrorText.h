#pragma once
// The audio engine's one error text, shared by every audio operation of the process:
// each operation empties it first, and a failure leaves a full sentence in it.
#include "framework/CString.h"
#include <windows.h>

// A copy of the text of the last failure; empty after a success.
CString GetAudioErrorText();
void SetAudioErrorText(const CString& text);
void ClearAudioErrorText();

// Sets the text to format with its one "%s" replaced by the text of hr; returns hr.
HRESULT SetAudioFailure(const wchar_t* format, HRESULT hr);
// The same for a format whose first "%s" is a file name and second the text of hr.
HRESULT SetAudioFileFailure(const wchar_t* format, const CString& file, HRESULT hr);

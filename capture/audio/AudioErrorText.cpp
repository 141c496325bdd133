#include "capture/audio/AudioErrorText.h"

#include "common/SystemHelpers.h"

namespace
{
CString& ErrorText()
{
    static CString text;
    return text;
}
} // namespace

CString GetAudioErrorText()
{
    return ErrorText();
}

void SetAudioErrorText(const CString& text)
{
    ErrorText() = text;
}

void ClearAudioErrorText()
{
    ErrorText().Empty();
}

HRESULT SetAudioFailure(const wchar_t* format, HRESULT hr)
{
    ErrorText().Format(format, GetHResultText(hr).GetString());
    return hr;
}

HRESULT SetAudioFileFailure(const wchar_t* format, const CString& file, HRESULT hr)
{
    ErrorText().Format(format, file.GetString(), GetHResultText(hr).GetString());
    return hr;
}

#include "capture/audio/AudioFormats.h"

#include <dsound.h>
#include <cwchar>

namespace
{
const DWORD kRates[] = {48000, 44100, 22050, 11025, 8000};
// index % 4: bits per sample and channels.
const WORD kBits[] = {8, 16, 8, 16};
const WORD kChannels[] = {1, 1, 2, 2};
// The extra size a parsed format claims.
const WORD kParsedExtraSize = 18;

struct InputFormats
{
    bool tested = false;
    bool supported[kAudioFormatCount] = {};
};

InputFormats& Formats()
{
    static InputFormats formats;
    return formats;
}

bool AcceptsFormat(IDirectSoundCapture* capture, int index)
{
    WAVEFORMATEX format;
    AudioFormatFromIndex(index, &format);
    DSCBUFFERDESC description = {};
    description.dwSize = sizeof(description);
    description.dwBufferBytes = format.nAvgBytesPerSec;
    description.lpwfxFormat = &format;
    IDirectSoundCaptureBuffer* buffer = nullptr;
    if (FAILED(capture->CreateCaptureBuffer(&description, &buffer, nullptr)))
        return false;
    buffer->Release();
    return true;
}

// The fields of text separated by ",", at most count of them; the others stay 0.
void ReadFields(const CString& text, int* fields, int count)
{
    const wchar_t* at = text.GetString();
    for (int field = 0; field < count && at; ++field)
    {
        fields[field] = _wtoi(at);
        at = wcschr(at, L',');
        if (at)
            ++at;
    }
}
} // namespace

void AudioFormatFromIndex(int index, WAVEFORMATEX* out)
{
    *out = WAVEFORMATEX{};
    if (index < 0 || index >= kAudioFormatCount)
        return;
    out->wFormatTag = WAVE_FORMAT_PCM;
    out->nChannels = kChannels[index % 4];
    out->nSamplesPerSec = kRates[index / 4];
    out->wBitsPerSample = kBits[index % 4];
    out->nBlockAlign = static_cast<WORD>(out->wBitsPerSample / 8 * out->nChannels);
    out->nAvgBytesPerSec = out->nBlockAlign * out->nSamplesPerSec;
}

void InitAudioInputFormats(IDirectSoundCapture* capture)
{
    InputFormats& formats = Formats();
    if (formats.tested)
        return;
    formats.tested = true;
    for (int index = 0; index < kAudioFormatCount; ++index)
        formats.supported[index] = AcceptsFormat(capture, index);
}

bool IsAudioInputFormatSupported(int index)
{
    return index >= 0 && index < kAudioFormatCount && Formats().supported[index];
}

CString AudioFormatString(const WAVEFORMATEX& format)
{
    CString text;
    text.Format(L"%d,%d,%d,%d,%d,%d,%d", format.cbSize, format.nAvgBytesPerSec, format.nBlockAlign, format.nChannels,
                format.nSamplesPerSec, format.wBitsPerSample, format.wFormatTag);
    return text;
}

CString AudioFormatDisplayText(const WAVEFORMATEX& format)
{
    CString text;
    text.Format(L"%u Hz, %u-bit %s", static_cast<unsigned>(format.nSamplesPerSec),
                static_cast<unsigned>(format.wBitsPerSample), format.nChannels == 1 ? L"Mono" : L"Stereo");
    return text;
}

void ParseAudioFormat(const CString& text, WAVEFORMATEX* out)
{
    int fields[7] = {};
    ReadFields(text, fields, 7);
    *out = WAVEFORMATEX{};
    out->cbSize = kParsedExtraSize;
    out->nAvgBytesPerSec = static_cast<DWORD>(fields[1]);
    out->nBlockAlign = static_cast<WORD>(fields[2]);
    out->nChannels = static_cast<WORD>(fields[3]);
    out->nSamplesPerSec = static_cast<DWORD>(fields[4]);
    out->wBitsPerSample = static_cast<WORD>(fields[5]);
    out->wFormatTag = static_cast<WORD>(fields[6]);
}

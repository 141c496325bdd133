#pragma once
// The capture formats of audio recording: twenty PCM formats numbered 0..19 (index / 4
// picks the rate 48000, 44100, 22050, 11025 or 8000 Hz; index % 4 the sample layout
// 8-bit mono, 16-bit mono, 8-bit stereo, 16-bit stereo), which of them the default
// capture device accepts, and the text forms of a format: the format string a settings
// record stores and the display text of the format lists.
#include "framework/CString.h"
#include <windows.h>
#include <mmreg.h>

struct IDirectSoundCapture;

const int kAudioFormatCount = 20;

// The PCM format of a table index (extra size 0); index outside 0..19 gives a zeroed format.
void AudioFormatFromIndex(int index, WAVEFORMATEX* out);

// Tries a one-second capture buffer of every format on the capture device and keeps which
// worked. Only the first call of the process tests; the later ones do nothing.
void InitAudioInputFormats(IDirectSoundCapture* capture);
// True when InitAudioInputFormats found the device to accept the format of index.
bool IsAudioInputFormatSupported(int index);

// "extra size,bytes per second,block align,channels,rate,bits,format tag".
CString AudioFormatString(const WAVEFORMATEX& format);
// "44100 Hz, 16-bit Stereo".
CString AudioFormatDisplayText(const WAVEFORMATEX& format);
// Reads a format string into out: the first field is not read and the extra size is
// always 18; a missing or empty field gives 0; fields after the seventh are ignored.
void ParseAudioFormat(const CString& text, WAVEFORMATEX* out);

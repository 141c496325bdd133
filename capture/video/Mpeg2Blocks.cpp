#include "capture/video/Mpeg2Blocks.h"

#include <cstring>
#include <strmif.h>
#include <dvdmedia.h>
#include <mmreg.h>

namespace
{
const BYTE kSequenceHeader[] = {
    0x00, 0x00, 0x01, 0xb3, 0x2d, 0x01, 0xe0, 0x24, 0x09, 0xc4, 0x23, 0x81, 0x10, 0x11, 0x11, 0x12, 0x12, 0x12,
    0x13, 0x13, 0x13, 0x13, 0x14, 0x14, 0x14, 0x14, 0x14, 0x15, 0x15, 0x15, 0x15, 0x15, 0x15, 0x16, 0x16, 0x16,
    0x16, 0x16, 0x16, 0x16, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x18, 0x18, 0x18, 0x19, 0x18, 0x18,
    0x18, 0x19, 0x1a, 0x1a, 0x1a, 0x1a, 0x19, 0x1b, 0x1b, 0x1b, 0x1b, 0x1b, 0x1c, 0x1c, 0x1c, 0x1c, 0x1e, 0x1e,
    0x1e, 0x1f, 0x1f, 0x21, 0x00, 0x00, 0x01, 0xb5, 0x14, 0x82, 0x00, 0x01, 0x00, 0x00};
} // namespace

std::vector<BYTE> Mpeg2VideoBlock()
{
    const size_t header = offsetof(MPEG2VIDEOINFO, dwSequenceHeader);
    std::vector<BYTE> block(header + sizeof(kSequenceHeader), 0);
    MPEG2VIDEOINFO info{};
    info.hdr.rcSource = RECT{0, 0, 720, 480};
    info.hdr.dwBitRate = 4000000;
    info.hdr.AvgTimePerFrame = 333667;
    info.hdr.dwPictAspectRatioX = 4;
    info.hdr.dwPictAspectRatioY = 3;
    info.hdr.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.hdr.bmiHeader.biWidth = 720;
    info.hdr.bmiHeader.biHeight = 480;
    info.hdr.bmiHeader.biXPelsPerMeter = 2000;
    info.hdr.bmiHeader.biYPelsPerMeter = 53031;
    info.dwStartTimeCode = 455832;
    info.cbSequenceHeader = sizeof(kSequenceHeader);
    info.dwProfile = 2; // main profile
    info.dwLevel = 2;   // main level
    std::memcpy(block.data(), &info, header);
    std::memcpy(block.data() + header, kSequenceHeader, sizeof(kSequenceHeader));
    return block;
}

std::vector<BYTE> Mpeg2AudioBlock()
{
    MPEG1WAVEFORMAT format{};
    format.wfx.wFormatTag = WAVE_FORMAT_MPEG;
    format.wfx.nChannels = 2;
    format.wfx.nSamplesPerSec = 48000;
    format.wfx.nAvgBytesPerSec = 32000;
    format.wfx.nBlockAlign = 768;
    format.wfx.cbSize = 22;
    format.fwHeadLayer = ACM_MPEG_LAYER2;
    format.dwHeadBitrate = 256000;
    format.fwHeadMode = ACM_MPEG_STEREO;
    format.fwHeadModeExt = 1;
    format.wHeadEmphasis = 1;
    format.fwHeadFlags = 0x1C;
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&format);
    return std::vector<BYTE>(bytes, bytes + sizeof(format));
}

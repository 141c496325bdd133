#include "standins/camera/CAviLayout.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr DWORD kKeyFrame = 0x10;
constexpr DWORD kHasIndex = 0x10;
constexpr DWORD kIsInterleaved = 0x100;

DWORD Code(const char* text)
{
    return static_cast<DWORD>(text[0]) | static_cast<DWORD>(text[1]) << 8 | static_cast<DWORD>(text[2]) << 16 |
           static_cast<DWORD>(text[3]) << 24;
}

// Appends little-endian values and raw bytes.
class CByteWriter
{
public:
    explicit CByteWriter(std::vector<BYTE>& bytes) : m_bytes(bytes) {}
    void Dword(DWORD value) { Raw(&value, 4); }
    void Word(WORD value) { Raw(&value, 2); }
    void Raw(const void* data, size_t size)
    {
        const BYTE* from = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), from, from + size);
    }
    // Starts a LIST or RIFF of the given kind; EndList writes its size.
    size_t BeginList(const char* list, const char* kind)
    {
        Dword(Code(list));
        size_t at = m_bytes.size();
        Dword(0);
        Dword(Code(kind));
        return at;
    }
    void EndList(size_t at) { PatchDword(at, static_cast<DWORD>(m_bytes.size() - at - 4)); }
    void PatchDword(size_t at, DWORD value) { std::memcpy(&m_bytes[at], &value, 4); }

private:
    std::vector<BYTE>& m_bytes;
};

void WriteStreamHeader(CByteWriter& out, const char* type, DWORD handler, DWORD scale, DWORD rate, DWORD length,
                       DWORD bufferSize, DWORD sampleSize, const RECT& frame)
{
    out.Dword(Code("strh"));
    out.Dword(56);
    out.Dword(Code(type));
    out.Dword(handler);
    out.Dword(0); // flags
    out.Word(0);  // priority
    out.Word(0);  // language
    out.Dword(0); // initial frames
    out.Dword(scale);
    out.Dword(rate);
    out.Dword(0); // start
    out.Dword(length);
    out.Dword(bufferSize);
    out.Dword(0xFFFFFFFF); // quality
    out.Dword(sampleSize);
    out.Word(static_cast<WORD>(frame.left));
    out.Word(static_cast<WORD>(frame.top));
    out.Word(static_cast<WORD>(frame.right));
    out.Word(static_cast<WORD>(frame.bottom));
}
} // namespace

void CAviLayout::Start(const BITMAPINFOHEADER& video, LONGLONG frameTime, const WAVEFORMATEX* sound)
{
    m_video = video;
    m_video.biHeight = std::abs(video.biHeight);
    m_frameTime = frameTime > 0 ? frameTime : 333333;
    m_sound.clear();
    if (sound)
    {
        const BYTE* from = reinterpret_cast<const BYTE*>(sound);
        m_sound.assign(from, from + sizeof(WAVEFORMATEX) + sound->cbSize);
    }
    m_entries.clear();
    m_offset = kHeaderBytes;
    m_frames[0] = m_frames[1] = 0;
    m_largest = 0;
}

std::vector<BYTE> CAviLayout::Chunk(int stream, const BYTE* data, DWORD bytes)
{
    const DWORD id = Code(stream == 0 ? "00db" : "01wb");
    std::vector<BYTE> chunk;
    chunk.reserve(bytes + 9);
    CByteWriter out(chunk);
    out.Dword(id);
    out.Dword(bytes);
    out.Raw(data, bytes);
    if (bytes % 2)
        chunk.push_back(0);
    m_entries.push_back({id, m_offset, bytes});
    m_offset += static_cast<DWORD>(chunk.size());
    m_frames[stream] += stream == 0 ? 1 : bytes;
    m_largest = std::max(m_largest, bytes);
    return chunk;
}

bool CAviLayout::HasRoomFor(DWORD bytes) const
{
    const ULONGLONG after = static_cast<ULONGLONG>(m_offset) + bytes + 10 + (m_entries.size() + 1) * 16 + 8;
    return after < 0x7FFFFFF0ULL;
}

void CAviLayout::DropLastChunk()
{
    if (m_entries.empty())
        return;
    const Entry& last = m_entries.back();
    m_offset = last.offset;
    const int stream = last.id == Code("00db") ? 0 : 1;
    m_frames[stream] -= stream == 0 ? 1 : last.bytes;
    m_entries.pop_back();
}

void CAviLayout::TrimTo(LONGLONG fileBytes)
{
    while (m_offset > fileBytes && !m_entries.empty())
        DropLastChunk();
}

std::vector<BYTE> CAviLayout::Header() const
{
    std::vector<BYTE> header;
    CByteWriter out(header);
    const DWORD streams = m_sound.empty() ? 1 : 2;
    const DWORD riffBytes = m_offset + 8 + static_cast<DWORD>(m_entries.size()) * 16 - 8;
    out.Dword(Code("RIFF"));
    out.Dword(riffBytes);
    out.Dword(Code("AVI "));
    const size_t headers = out.BeginList("LIST", "hdrl");
    out.Dword(Code("avih"));
    out.Dword(56);
    out.Dword(static_cast<DWORD>(m_frameTime / 10));
    out.Dword(static_cast<DWORD>(m_video.biSizeImage * 10000000LL / m_frameTime));
    out.Dword(0);
    out.Dword(kHasIndex | (streams > 1 ? kIsInterleaved : 0));
    out.Dword(m_frames[0]);
    out.Dword(0);
    out.Dword(streams);
    out.Dword(m_largest + 8);
    out.Dword(static_cast<DWORD>(m_video.biWidth));
    out.Dword(static_cast<DWORD>(m_video.biHeight));
    for (int i = 0; i < 4; ++i)
        out.Dword(0);
    const RECT frame = {0, 0, m_video.biWidth, m_video.biHeight};
    size_t list = out.BeginList("LIST", "strl");
    WriteStreamHeader(out, "vids", Code("DIB "), static_cast<DWORD>(m_frameTime), 10000000, m_frames[0],
                      m_video.biSizeImage, 0, frame);
    out.Dword(Code("strf"));
    out.Dword(sizeof(BITMAPINFOHEADER));
    out.Raw(&m_video, sizeof(BITMAPINFOHEADER));
    out.EndList(list);
    if (!m_sound.empty())
    {
        const WAVEFORMATEX* sound = reinterpret_cast<const WAVEFORMATEX*>(m_sound.data());
        list = out.BeginList("LIST", "strl");
        WriteStreamHeader(out, "auds", 0, sound->nBlockAlign, sound->nAvgBytesPerSec,
                          m_frames[1] / std::max<WORD>(1, sound->nBlockAlign), sound->nAvgBytesPerSec,
                          sound->nBlockAlign, RECT{});
        out.Dword(Code("strf"));
        out.Dword(static_cast<DWORD>(m_sound.size()));
        out.Raw(m_sound.data(), m_sound.size());
        if (m_sound.size() % 2)
            header.push_back(0);
        out.EndList(list);
    }
    out.EndList(headers);
    // JUNK fills the header area up to the 'movi' list.
    const DWORD junk = kHeaderBytes - 12 - static_cast<DWORD>(header.size()) - 8;
    out.Dword(Code("JUNK"));
    out.Dword(junk);
    header.resize(header.size() + junk, 0);
    out.Dword(Code("LIST"));
    out.Dword(m_offset - (kHeaderBytes - 12) - 8);
    out.Dword(Code("movi"));
    return header;
}

// Offsets count from the 'movi' code.
std::vector<BYTE> CAviLayout::Index() const
{
    std::vector<BYTE> index;
    CByteWriter out(index);
    out.Dword(Code("idx1"));
    out.Dword(static_cast<DWORD>(m_entries.size() * 16));
    for (const Entry& entry : m_entries)
    {
        out.Dword(entry.id);
        out.Dword(kKeyFrame);
        out.Dword(entry.offset - (kHeaderBytes - 4));
        out.Dword(entry.bytes);
    }
    return index;
}

#pragma once
// CAviLayout: the byte layout of an uncompressed AVI file of one video stream and at
// most one sound stream, as the AVI multiplexer writes it piece by piece through a
// byte-offset writer: a header area of fixed size at the start (written first with
// empty counts and again with the final ones), the 'movi' list of chunks that follow
// one another, and the index after them.
#include <windows.h>
#include <mmreg.h>

#include <vector>

class CAviLayout
{
public:
    // The header area's size: the file's first chunk starts there.
    static constexpr DWORD kHeaderBytes = 2048 + 12;

    // Starts a new file of a video stream (frame time in 100-ns units) and, when sound
    // is not null, a sound stream.
    void Start(const BITMAPINFOHEADER& video, LONGLONG frameTime, const WAVEFORMATEX* sound);
    // The bytes of the next chunk of stream 0 (video) or 1 (sound), holding data; its
    // offset in the file is NextOffset() before the call.
    std::vector<BYTE> Chunk(int stream, const BYTE* data, DWORD bytes);
    DWORD NextOffset() const { return m_offset; }
    // Whether a chunk of that many bytes and the index after it still fit in 2 GB, which
    // readers that seek with signed 32-bit offsets reach; a full file takes no more chunks.
    bool HasRoomFor(DWORD bytes) const;
    // Takes the last chunk back (it did not reach the file).
    void DropLastChunk();
    // Takes back the chunks that do not end within a file of that size.
    void TrimTo(LONGLONG fileBytes);
    // The header area with the counts of the chunks so far.
    std::vector<BYTE> Header() const;
    // The index of the chunks so far; it goes at NextOffset().
    std::vector<BYTE> Index() const;
    DWORD VideoFrames() const { return m_frames[0]; }

private:
    struct Entry
    {
        DWORD id;
        DWORD offset;
        DWORD bytes;
    };

    BITMAPINFOHEADER m_video{};
    LONGLONG m_frameTime = 0;
    std::vector<BYTE> m_sound; // the sound's wave format, empty without sound
    std::vector<Entry> m_entries;
    DWORD m_offset = kHeaderBytes;
    DWORD m_frames[2] = {};
    DWORD m_largest = 0;
};

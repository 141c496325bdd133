#pragma once
// CArchive: buffered binary reading or writing of a CFile, little-endian, no padding.
// Texts use the length-prefixed string form: a length of one byte below 0xFF, else 0xFF
// and a 16-bit length below 0xFFFF, else 0xFF 0xFFFF and a 32-bit length; a wide text
// is marked by 0xFF 0xFFFE before its length and holds UTF-16 characters, a narrow text
// holds one byte per character (ANSI code page).
//
// The first failure sticks: later reads give zeros, later writes do nothing, and
// GetError / GetErrorText tell what went wrong, so a caller may check once at the end.
#include "framework/CFile.h"
#include <vector>

class CArchive
{
public:
    enum Mode
    {
        load,
        store
    };
    enum Error
    {
        none,
        endOfFile,  // the file ends before the data asked for
        badString,  // a text is longer than the reader accepts
        readFault,  // the file cannot be read
        writeFault, // the file cannot be written
    };

    CArchive(CFile& file, Mode mode, UINT bufferSize = 4096);
    // Flushes what a storing archive still holds; call Close to see whether that worked.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    bool Read(void* data, UINT size);
    bool Write(const void* data, UINT size);
    // Writes the buffer out (storing); false when the archive has failed.
    bool Close();

    CArchive& operator<<(BYTE value) { return WriteValue(value); }
    CArchive& operator<<(WORD value) { return WriteValue(value); }
    CArchive& operator<<(DWORD value) { return WriteValue(value); }
    CArchive& operator<<(int value) { return WriteValue(value); }
    CArchive& operator<<(LONGLONG value) { return WriteValue(value); }
    CArchive& operator>>(BYTE& value) { return ReadValue(value); }
    CArchive& operator>>(WORD& value) { return ReadValue(value); }
    CArchive& operator>>(DWORD& value) { return ReadValue(value); }
    CArchive& operator>>(int& value) { return ReadValue(value); }
    CArchive& operator>>(LONGLONG& value) { return ReadValue(value); }

    // Stores text in the wide form.
    bool WriteString(const CString& text);
    // Reads a text of either form; a length above maxLength characters fails with
    // badString before anything is allocated.
    bool ReadString(CString& text, DWORD maxLength = 0x7FFFFFFE);

    // Loading: the bytes between the read position and the end of the file.
    ULONGLONG GetBytesLeft() const;
    // Loading: true when at least bytes remain, else the archive fails with endOfFile.
    // Lets a reader check a stored count before it allocates room for it.
    bool Require(ULONGLONG bytes);

    bool Failed() const { return m_error != none; }
    Error GetError() const { return m_error; }
    CString GetErrorText() const;

private:
    template <typename T> CArchive& WriteValue(T value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <typename T> CArchive& ReadValue(T& value)
    {
        if (!Read(&value, sizeof value))
            value = T();
        return *this;
    }

    void WriteLength(DWORD length);
    DWORD ReadLength(bool& wide);
    bool FillBuffer();
    bool FlushBuffer();
    bool Fail(Error error);

    CFile& m_file;
    Mode m_mode;
    std::vector<BYTE> m_buffer;
    size_t m_used = 0; // storing: bytes waiting; loading: bytes in the buffer
    size_t m_next = 0; // loading: next byte to hand out
    bool m_closed = false;
    Error m_error = none;
    CString m_faultText;
};

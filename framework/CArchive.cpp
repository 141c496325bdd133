#include "framework/CArchive.h"
#include <algorithm>
#include <cstring>

namespace
{
const BYTE kLongLength = 0xFF;
const WORD kWideMarker = 0xFFFE;
const WORD kLongerLength = 0xFFFF;
} // namespace

CArchive::CArchive(CFile& file, Mode mode, UINT bufferSize)
    : m_file(file), m_mode(mode), m_buffer(std::max(bufferSize, 16u))
{
}

CArchive::~CArchive()
{
    Close();
}

bool CArchive::Close()
{
    if (!m_closed && IsStoring())
        FlushBuffer();
    m_closed = true;
    return !Failed();
}

bool CArchive::Write(const void* data, UINT size)
{
    const BYTE* bytes = static_cast<const BYTE*>(data);
    while (size > 0 && !Failed())
    {
        if (m_used == m_buffer.size() && !FlushBuffer())
            break;
        const size_t chunk = std::min<size_t>(size, m_buffer.size() - m_used);
        memcpy(&m_buffer[m_used], bytes, chunk);
        m_used += chunk;
        bytes += chunk;
        size -= static_cast<UINT>(chunk);
    }
    return !Failed();
}

bool CArchive::Read(void* data, UINT size)
{
    BYTE* bytes = static_cast<BYTE*>(data);
    while (size > 0 && !Failed())
    {
        if (m_next == m_used && !FillBuffer())
            break;
        const size_t chunk = std::min<size_t>(size, m_used - m_next);
        memcpy(bytes, &m_buffer[m_next], chunk);
        m_next += chunk;
        bytes += chunk;
        size -= static_cast<UINT>(chunk);
    }
    return !Failed();
}

bool CArchive::WriteString(const CString& text)
{
    *this << kLongLength << kWideMarker;
    WriteLength(static_cast<DWORD>(text.GetLength()));
    return Write(text.GetString(), static_cast<UINT>(text.GetLength() * sizeof(wchar_t)));
}

bool CArchive::ReadString(CString& text, DWORD maxLength)
{
    bool wide = false;
    const DWORD length = ReadLength(wide);
    if (Failed())
        return false;
    if (length > maxLength)
        return Fail(badString);
    const ULONGLONG bytes = static_cast<ULONGLONG>(length) * (wide ? sizeof(wchar_t) : 1);
    if (!Require(bytes))
        return false;
    if (wide)
    {
        std::wstring chars(length, L'\0');
        if (!Read(&chars[0], static_cast<UINT>(bytes)))
            return false;
        text = CString(chars);
        return true;
    }
    std::string chars(length, '\0');
    if (!Read(&chars[0], length))
        return false;
    text = CString(chars.c_str());
    return true;
}

void CArchive::WriteLength(DWORD length)
{
    if (length < kLongLength)
    {
        *this << static_cast<BYTE>(length);
        return;
    }
    *this << kLongLength;
    if (length < kWideMarker)
    {
        *this << static_cast<WORD>(length);
        return;
    }
    *this << kLongerLength << length;
}

DWORD CArchive::ReadLength(bool& wide)
{
    wide = false;
    for (;;)
    {
        BYTE shortLength = 0;
        *this >> shortLength;
        if (shortLength < kLongLength)
            return shortLength;
        WORD length = 0;
        *this >> length;
        if (length == kWideMarker && !wide)
        {
            wide = true; // the marker comes once, then the length itself
            continue;
        }
        if (length == kWideMarker)
        {
            Fail(badString); // a second marker: not a text
            return 0;
        }
        if (length < kLongerLength)
            return length;
        DWORD longLength = 0;
        *this >> longLength;
        return longLength;
    }
}

ULONGLONG CArchive::GetBytesLeft() const
{
    const ULONGLONG length = m_file.GetLength();
    const ULONGLONG position = m_file.GetPosition();
    return (length > position ? length - position : 0) + (m_used - m_next);
}

bool CArchive::Require(ULONGLONG bytes)
{
    return bytes <= GetBytesLeft() || Fail(endOfFile);
}

bool CArchive::FillBuffer()
{
    UINT read = 0;
    if (!m_file.Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()), read))
        return Fail(readFault);
    m_next = 0;
    m_used = read;
    return read > 0 || Fail(endOfFile);
}

bool CArchive::FlushBuffer()
{
    if (Failed())
        return false;
    if (m_used > 0 && !m_file.Write(m_buffer.data(), static_cast<UINT>(m_used)))
        return Fail(writeFault);
    m_used = 0;
    return true;
}

bool CArchive::Fail(Error error)
{
    if (m_error == none)
    {
        m_error = error;
        m_faultText = m_file.GetErrorText();
    }
    return false;
}

CString CArchive::GetErrorText() const
{
    switch (m_error)
    {
    case none:
        return CString();
    case endOfFile:
        return L"The file ends before all of its data could be read.";
    case badString:
        return L"The file holds a text that is longer than the reader accepts.";
    case readFault:
    case writeFault:
        break;
    }
    if (!m_faultText.IsEmpty())
        return m_faultText;
    return m_error == readFault ? L"The file could not be read." : L"The file could not be written.";
}

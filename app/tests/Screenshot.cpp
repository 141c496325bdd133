#include "app/tests/Screenshot.h"

#include "app/tests/MainProgram.h"

namespace app_test
{
Screenshot::Screenshot(const CString& path) : m_path(path)
{
    if (!SaveScreenshot(path) || !Read())
        m_width = m_height = 0;
}

// The file as SaveScreenshot writes it: a bottom-up 24-bit bitmap.
bool Screenshot::Read()
{
    HANDLE in = CreateFileW(m_path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    GetFileSizeEx(in, &size);
    m_file.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    const bool complete = ReadFile(in, m_file.data(), static_cast<DWORD>(m_file.size()), &read, nullptr) &&
                          read == m_file.size();
    CloseHandle(in);
    if (!complete || m_file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))
        return false;
    const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(m_file.data());
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(m_file.data() + sizeof(BITMAPFILEHEADER));
    if (info->biBitCount != 24 || info->biWidth <= 0 || info->biHeight <= 0)
        return false;
    m_stride = (info->biWidth * 3 + 3) & ~3;
    if (file->bfOffBits + static_cast<size_t>(m_stride) * info->biHeight > m_file.size())
        return false;
    m_bits = m_file.data() + file->bfOffBits;
    m_width = info->biWidth;
    m_height = info->biHeight;
    return true;
}

COLORREF Screenshot::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const BYTE* pixel = m_bits + static_cast<size_t>(m_height - 1 - y) * m_stride + x * 3;
    return RGB(pixel[2], pixel[1], pixel[0]);
}
} // namespace app_test

#include "screensaver/CDIBSectionLite.h"

#include "common/CMemoryDC.h"

#include <cstring>

CDIBSectionLite::~CDIBSectionLite()
{
    Delete();
}

void CDIBSectionLite::Delete()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
}

bool CDIBSectionLite::Create(int width, int height)
{
    Delete();
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info = {};
    CMemoryDC::FillInfoHeader32(info.bmiHeader, width, height);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap)
        return false;
    m_bits = static_cast<DWORD*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

void CDIBSectionLite::Fill(const DWORD* pixels)
{
    std::memcpy(m_bits, pixels, static_cast<size_t>(m_width) * m_height * sizeof(DWORD));
}

bool CDIBSectionLite::Draw(HDC dc, int x, int y) const
{
    if (!m_bits)
        return false;
    BITMAPINFO info = {};
    CMemoryDC::FillInfoHeader32(info.bmiHeader, m_width, m_height);
    return SetDIBitsToDevice(dc, x, y, m_width, m_height, 0, 0, 0, m_height, m_bits, &info, DIB_RGB_COLORS) != 0;
}

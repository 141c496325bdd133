#pragma once
// CDIBSectionLite: a 32-bit bottom-up DIB section whose pixels (0x00RRGGBB, bottom row
// first) the animated effects work on directly, drawn to a DC at its own size.
#include <windows.h>

class CDIBSectionLite
{
public:
    CDIBSectionLite() = default;
    CDIBSectionLite(const CDIBSectionLite&) = delete;
    CDIBSectionLite& operator=(const CDIBSectionLite&) = delete;
    ~CDIBSectionLite();

    // Replaces the section with a black one of the size; false (empty) on failure.
    bool Create(int width, int height);
    void Delete();
    bool IsEmpty() const { return m_bits == nullptr; }
    DWORD* Bits() const { return m_bits; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Copies width x height pixels into the section in memory order (bottom row first).
    void Fill(const DWORD* pixels);
    // Draws the whole section with its top-left corner at x, y.
    bool Draw(HDC dc, int x, int y) const;

private:
    HBITMAP m_bitmap = nullptr;
    DWORD* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

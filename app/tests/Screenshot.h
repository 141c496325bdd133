#pragma once
// The whole screen, saved to a BMP file and read back from it: what a test checks is what
// the file shows, and the file stays for a reader of a failure.
#include "framework/CString.h"

#include <vector>
#include <windows.h>

namespace app_test
{
class Screenshot
{
public:
    // Takes the screen now into the file at the path; IsTaken() tells whether it was.
    explicit Screenshot(const CString& path);

    bool IsTaken() const { return m_width > 0; }
    const CString& Path() const { return m_path; }
    // The colour at a point of the screen; CLR_INVALID outside it.
    COLORREF Pixel(int x, int y) const;

private:
    bool Read();

    CString m_path;
    std::vector<BYTE> m_file;
    const BYTE* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
};
} // namespace app_test

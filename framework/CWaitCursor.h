#pragma once
// CWaitCursor: shows the wait cursor while the object lives and puts the
// previous cursor back when it goes.
#include <windows.h>

class CWaitCursor
{
public:
    CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor();

private:
    HCURSOR m_previous;
};

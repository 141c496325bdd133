#include "app/CRightButtonHold.h"

bool CRightButtonHold::Tick(bool held, bool busy, int holdTimeMs)
{
    if (busy)
        return false;
    if (!held)
    {
        m_heldMs = 0;
        return false;
    }
    bool begin = holdTimeMs < m_heldMs;
    m_heldMs += kTickMs;
    return begin;
}

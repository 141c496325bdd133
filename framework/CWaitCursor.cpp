#include "framework/CWaitCursor.h"

CWaitCursor::CWaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor()
{
    SetCursor(m_previous);
}

#pragma once
// Lets GoogleTest print framework texts in failure messages.
#include "framework/CString.h"
#include <ostream>

inline void PrintTo(const CString& text, std::ostream* os)
{
    *os << "L\"" << text.ToAnsi(CP_UTF8) << '"';
}

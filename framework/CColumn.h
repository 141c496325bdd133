#pragma once
// CColumn: one column of a report list: its title, its type (how its cells sort) and its
// width (0 or less: no stored width).
#include "framework/CString.h"

struct CColumn
{
    static constexpr int kText = 0;
    static constexpr int kNumber = 2;

    CString title;
    int type = kText;
    int width = 0;
};

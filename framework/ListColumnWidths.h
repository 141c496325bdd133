#pragma once
// The column widths of the report lists, kept in the profile section "LisColSizes": one
// value per list, the widths as "%u," items joined, the last comma removed.
#include "framework/CArray.h"
#include "framework/CColumn.h"

#include <initializer_list>

// Nothing is written for an empty array.
void SaveColumnWidths(const wchar_t* key, const CArray<int>& widths);
// The stored widths (whole numbers cut at commas); empty when none are stored.
void LoadColumnWidths(const wchar_t* key, CArray<int>& widths);
// With as many widths as columns each column takes its stored width; otherwise every
// column's width becomes -1 (computed when the columns are inserted).
void MergeColumnWidths(CArray<CColumn>& columns, const CArray<int>& widths);

// A column of a list's table with its default width.
struct ColumnDefault
{
    const wchar_t* title;
    int width;
};
// The table's columns, each at its width stored under the key, or every column at its
// default width when the stored widths are not one per column.
void LoadTableColumns(const wchar_t* key, std::initializer_list<ColumnDefault> defaults, CArray<CColumn>& columns);

#pragma once
// The column widths of the report lists, kept in the profile section "LisColSizes": one
// value per list, the widths as "%u," items joined, the last comma removed.
#include "framework/CArray.h"
#include "framework/CColumn.h"

// Nothing is written for an empty array.
void SaveColumnWidths(const wchar_t* key, const CArray<int>& widths);
// The stored widths (whole numbers cut at commas); empty when none are stored.
void LoadColumnWidths(const wchar_t* key, CArray<int>& widths);
// With as many widths as columns each column takes its stored width; otherwise every
// column's width becomes -1 (computed when the columns are inserted).
void MergeColumnWidths(CArray<CColumn>& columns, const CArray<int>& widths);

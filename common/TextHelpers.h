#pragma once
// Splitting delimited texts: lists, records of fields and lists of number pairs.
#include "framework/CArray.h"
#include "framework/CString.h"

// Cuts text at every separator into pieces; a separator at the end gives no empty last
// piece. With trim, each piece is trimmed of white space and empty pieces are dropped.
void SplitString(const CString& text, const CString& separator, CArray<CString>& pieces, bool trim);

// Reads the record that starts at position and ends at the next record separator, cut
// into fields at the field separator, and moves position behind that separator. False
// (no fields, position 0) when no record separator follows.
bool GetNextRecordFields(const CString& text, const CString& recordSeparator, const CString& fieldSeparator,
                         int& position, CArray<CString>& fields);

// Reads a list of whole numbers such as "10,20,30,40" two by two as points (10,20),
// (30,40); a last odd number is dropped. False, and no points, when the text holds
// anything but digits and the separator, or a number out of range.
bool ParseNumberList(const CString& text, const CString& separator, CArray<POINT>& points);

// True unless the text is exactly the one character.
bool IsNotSingleChar(const CString& text, wchar_t ch);

// Stores the value at the index, growing the array to hold it; false (nothing stored)
// for an index below 0.
template <typename T> bool SetAtGrow(CArray<T>& array, int index, const T& value)
{
    if (index < 0)
        return false;
    if (index >= array.GetSize())
        array.SetSize(index + 1);
    array.SetAt(index, value);
    return true;
}

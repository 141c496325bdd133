#pragma once
// What Find searches: each field of a settings record that a property page shows as text
// (numbers as their decimal text), in an edit or as the chosen item of a list (device and
// pin names, the fax server, the contact's number), with the index of that page and the
// id of the control that shows it, and the matching rule. The format lists show a
// description of the stored format, not its text: formats are not searched.
#include "Info/SendParam.h"
#include "framework/CString.h"

#include <vector>

struct SearchField
{
    int page;
    UINT controlId;
    CString text;
};

// The record's searchable fields in page order; none for a record type without text.
std::vector<SearchField> SearchableFields(const SendParam& record);

// Whether the field holds the text: as one of its blank-separated words with wholeWord,
// else anywhere; without matchCase both are compared in upper case.
bool MatchesSearch(const CString& field, const CString& text, bool matchCase, bool wholeWord);

#pragma once
// ISearchHost: what Find needs of the program around it: copies of every settings record
// and of the output window's lines to search, and the places a found row leads to.
#include "Info/SendParam.h"
#include "framework/CArray.h"
#include "framework/CString.h"

#include <memory>
#include <vector>

class ISearchHost
{
public:
    virtual ~ISearchHost() = default;
    // Fresh copies of the settings records of every capture kind and destination.
    virtual void CopyRecords(std::vector<std::unique_ptr<SendParam>>& records) = 0;
    virtual void CopyOutputLines(CStringArray& lines) = 0;
    // Selects the text in that line of the output window.
    virtual void ShowOutputLine(int line, const CString& text, bool matchCase) = 0;
    // Shows the record type's page, focuses the control and, in an edit, selects the text.
    virtual void ShowRecordControl(EnumSendParam type, int page, UINT controlId, const CString& text,
                                   bool matchCase) = 0;
};

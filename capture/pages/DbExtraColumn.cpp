#include "capture/pages/DbExtraColumn.h"

const wchar_t* const kDbAutoGenerate = L"(AutoGenerate)";
const wchar_t* const kDbUnique = L"(Unique)";

namespace
{
// By stored code.
const wchar_t* const kTypeNames[] = {L"Text", L"Integer", L"Boolean", L"Long", L"Float", L"Double", L"Date", L"Byte"};
const wchar_t* const kListed[] = {L"Text", L"Integer", L"Long", L"Byte", L"Boolean", L"Float", L"Double", L"Date"};
} // namespace

int DbColumnTypeCode(const CString& typeName)
{
    for (int code = 0; code < 8; ++code)
        if (typeName == kTypeNames[code])
            return code;
    return 0;
}

CString DbColumnTypeName(int code)
{
    return code >= 0 && code < 8 ? kTypeNames[code] : kTypeNames[0];
}

const wchar_t* const* DbColumnTypeNamesListed(int& count)
{
    count = 8;
    return kListed;
}

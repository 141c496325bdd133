#include "Info/InfoScDatabase.h"
#include "Info/RegistryValues.h"

#include <cwchar>

namespace
{
// One list of ExtraColInfo: its items joined by the separator, closed by the closing token.
struct Section
{
    const wchar_t* separator;
    const wchar_t* closing;
};

const Section kNames{L"~!@", L"!@#"};
const Section kNumbers{L"@#$", L"#$%"};
const Section kValues{L"%&*", L"&*|"};

CString JoinSection(const CStringList& items, const Section& section)
{
    if (items.IsEmpty())
        return CString();
    CString text;
    bool first = true;
    for (const CString& item : items)
    {
        if (!first)
            text += section.separator;
        text += item;
        first = false;
    }
    return text + section.closing;
}

// The items of the section found from position on, which then moves past it. A section
// that is not there gives no items and leaves position where it was.
CStringList SplitSection(const CString& text, const Section& section, int& position)
{
    CStringList items;
    int closing = text.Find(section.closing, position);
    if (closing < 0)
        return items;
    CString body = text.Mid(position, closing - position);
    position = closing + static_cast<int>(wcslen(section.closing));

    const int separatorLength = static_cast<int>(wcslen(section.separator));
    for (int start = 0;;)
    {
        int separator = body.Find(section.separator, start);
        if (separator < 0)
        {
            items.AddTail(body.Mid(start));
            return items;
        }
        items.AddTail(body.Mid(start, separator - start));
        start = separator + separatorLength;
    }
}
} // namespace

InfoScDatabase::InfoScDatabase()
    : InfoScDatabase(L"DRIVER=SQL Server;SERVER=MyServer;UID=MyUserName;PWD=DemoSecret;DATABASE=MyDataBase", L"MyTable",
                     L"MyImageCol", L"", false, 0, 1)
{
}

InfoScDatabase::InfoScDatabase(const CString& connStr, const CString& table, const CString& blobCol,
                               const CString& extraColInfo, bool display, int duration, int frequence)
    : ConnStr(connStr), Table(table), BlobCol(blobCol), ExtraColInfo(extraColInfo), Display(display),
      Duration(duration), Frequence(frequence)
{
}

InfoScDatabase::InfoScDatabase(const InfoScDatabase& other) = default;
InfoScDatabase& InfoScDatabase::operator=(const InfoScDatabase& other) = default;
InfoScDatabase::~InfoScDatabase() = default;

bool InfoScDatabase::operator==(const InfoScDatabase& o) const
{
    return ConnStr == o.ConnStr && Table == o.Table && BlobCol == o.BlobCol && ExtraColInfo == o.ExtraColInfo &&
           Display == o.Display && Duration == o.Duration && Frequence == o.Frequence;
}

void InfoScDatabase::SetExtraColInfo(const CStringList& names, const CList<int>& numbers, const CStringList& values)
{
    CStringList numberTexts;
    for (int number : numbers)
    {
        CString text;
        text.Format(L"%d", number);
        numberTexts.AddTail(text);
    }
    ExtraColInfo = JoinSection(names, kNames) + JoinSection(numberTexts, kNumbers) + JoinSection(values, kValues);
}

void InfoScDatabase::ParseExtraColInfo(CStringList& names, CList<int>& numbers, CStringList& values) const
{
    int position = 0;
    names.AddTail(SplitSection(ExtraColInfo, kNames, position));
    for (const CString& text : SplitSection(ExtraColInfo, kNumbers, position))
        numbers.AddTail(_wtoi(text)); // text that is not a number gives 0
    values.AddTail(SplitSection(ExtraColInfo, kValues, position));
}

RegistryValues InfoScDatabase::Values()
{
    RegistryValues values(L"ScreenCapture\\Db");
    values.Add(L"ConnStr", ConnStr, {2})
        .Add(L"Table", Table, {2})
        .Add(L"BlobCol", BlobCol, {2})
        .Add(L"ExtraColInfo", ExtraColInfo, {2})
        .Add(L"Display", Display, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScDatabase::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScDatabase::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

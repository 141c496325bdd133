#include "capture/dialogs/SelectionText.h"

#include "capture/dialogs/DialogResources.h"

#include <cwchar>

CString FormatSelectionPoints(const std::vector<POINT>& points)
{
    CString text;
    for (const POINT& point : points)
    {
        CString pair;
        pair.Format(L"%s%ld,%ld", text.IsEmpty() ? L"" : L",", point.x, point.y);
        text += pair;
    }
    return text;
}

bool ParseSelectionPoints(const CString& text, std::vector<POINT>& points)
{
    points.clear();
    std::vector<long> values;
    for (int start = 0; start <= text.GetLength();)
    {
        int end = text.Find(L',', start);
        if (end < 0)
            end = text.GetLength();
        CString item = text.Mid(start, end - start);
        item.Trim();
        wchar_t* stop = nullptr;
        const long value = wcstol(item, &stop, 10);
        if (item.IsEmpty() || *stop)
            return false;
        values.push_back(value);
        start = end + 1;
    }
    if (values.size() % 2)
        return false;
    for (size_t i = 0; i < values.size(); i += 2)
        points.push_back(POINT{values[i], values[i + 1]});
    return true;
}

UINT CheckSelectionText(EnumScreenCaptureType type, const CString& text)
{
    if (type >= SCT_ACTIVE_WINDOW)
        return 0;
    if (CString(text).Trim().IsEmpty())
        return IDS_SEL_NO_TEXT;
    if (type == SCT_WINDOW)
        return 0;
    std::vector<POINT> points;
    if (!ParseSelectionPoints(text, points))
        return IDS_SEL_INVALID;
    if ((type == SCT_FREE_HAND || type == SCT_POLYGON) && points.size() < 3)
        return IDS_SEL_THREE_POINTS;
    if ((type == SCT_RECTANGLE || type == SCT_ELLIPSE) && points.size() != 2)
        return IDS_SEL_FOUR_VALUES;
    return 0;
}

#pragma once
// Lays a text out in printed pages. Each line of the text (ended by "\r\n", "\n" or "\r")
// is wrapped to the width: at the last blank that fits, else after the last character that
// fits (one character at least); a tab becomes blanks up to the next multiple of eight
// characters. An empty line stays a line. An empty text gives one empty page.
#include "framework/CString.h"

#include <functional>
#include <vector>

// The width of a text in the units of the page.
using AppTextMeasure = std::function<int(const CString& text)>;
using AppTextPage = std::vector<CString>;

std::vector<AppTextPage> AppLayOutPages(const CString& text, int width, int linesPerPage,
                                        const AppTextMeasure& measure);

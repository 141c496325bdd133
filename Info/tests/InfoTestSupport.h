#pragma once
// Shared fixtures of the settings-record tests: a clean settings root for every test,
// raw registry access to check what the records wrote, and the table that every
// record type runs through.
#include "Info/SendParam.h"
#include "testing/RecordCases.h"

#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <typeinfo>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace InfoTest
{
// Raw access below the settings root (subKey relative to it, e.g. L"ScreenCapture\\File").
bool KeyExists(const wchar_t* subKey);
void DeleteKey(const wchar_t* subKey);
std::set<std::wstring> ValueNames(const wchar_t* subKey);
DWORD ValueType(const wchar_t* subKey, const wchar_t* name); // REG_NONE when missing
DWORD Dword(const wchar_t* subKey, const wchar_t* name);
std::wstring Text(const wchar_t* subKey, const wchar_t* name);
std::vector<BYTE> Binary(const wchar_t* subKey, const wchar_t* name);
void PutDword(const wchar_t* subKey, const wchar_t* name, DWORD value);
void PutText(const wchar_t* subKey, const wchar_t* name, const std::wstring& text);
void PutBinary(const wchar_t* subKey, const wchar_t* name, const std::vector<BYTE>& bytes);
void DeleteValue(const wchar_t* subKey, const wchar_t* name);
} // namespace InfoTest

// Every test starts and ends with the product's settings root removed.
class InfoRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { InfoTest::DeleteKey(L""); }
    void TearDown() override { InfoTest::DeleteKey(L""); }
};

class RecordTableTest : public InfoRegistryTest, public ::testing::WithParamInterface<RecordCase>
{
};

#define INSTANTIATE_RECORD_TABLE(prefix, ...)                                                                          \
    INSTANTIATE_TEST_SUITE_P(prefix, RecordTableTest, ::testing::Values(__VA_ARGS__),                                  \
                             [](const ::testing::TestParamInfo<RecordCase>& info) { return info.param.name; })

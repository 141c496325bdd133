#pragma once
// Shared fixtures of the settings-record tests: a clean settings root for every test,
// raw registry access to check what the records wrote, and the table that every
// record type runs through.
#include "Info/SendParam.h"

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

// One row of the table that every record type (but the screen-capture settings) runs
// through. Build rows with MakeRecordCase<T>.
struct RecordCase
{
    std::string name;
    const wchar_t* subKey;
    EnumSendParam type;
    std::function<SendParam*()> make;                 // a default record
    std::function<SendParam*(const SendParam&)> copy; // the record's copy constructor
    std::function<void(SendParam&, const SendParam&)> assign;
    std::function<bool(const SendParam&, const SendParam&)> equal;
    std::function<void(SendParam&)> change;           // every persisted field to a non-default value
    std::map<unsigned, std::set<std::wstring>> parts; // the value names each save part writes
    unsigned unknownPart;                             // a part the record does not know
    const wchar_t* boolValue;                         // a bool stored under this name...
    std::function<bool(const SendParam&)> boolField;  // ...and the field that holds it
    const wchar_t* wrongTypeValue;                    // a value stored as REG_SZ "1" to fail the load...
    std::function<bool(const SendParam& loaded, const SendParam& saved)> readDespite; // ...while this still loads
};

template <typename T> RecordCase MakeRecordCase(std::string name, const wchar_t* subKey, EnumSendParam type)
{
    RecordCase c;
    c.name = std::move(name);
    c.subKey = subKey;
    c.type = type;
    c.make = [] { return new T(); };
    c.copy = [](const SendParam& r) { return new T(static_cast<const T&>(r)); };
    c.assign = [](SendParam& to, const SendParam& from) { static_cast<T&>(to) = static_cast<const T&>(from); };
    c.equal = [](const SendParam& a, const SendParam& b) {
        return static_cast<const T&>(a) == static_cast<const T&>(b);
    };
    return c;
}

void PrintTo(const RecordCase& c, std::ostream* os);

class RecordTableTest : public InfoRegistryTest, public ::testing::WithParamInterface<RecordCase>
{
};

// For each change, a copy of the record that differs in that one field compares unequal.
template <typename T>
void ExpectEachFieldCompared(const T& record, std::initializer_list<std::function<void(T&)>> changes)
{
    int field = 0;
    for (const auto& change : changes)
    {
        T other(record);
        change(other);
        EXPECT_FALSE(other == record) << typeid(T).name() << " change " << field++;
    }
}

#define INSTANTIATE_RECORD_TABLE(prefix, ...)                                                                          \
    INSTANTIATE_TEST_SUITE_P(prefix, RecordTableTest, ::testing::Values(__VA_ARGS__),                                  \
                             [](const ::testing::TestParamInfo<RecordCase>& info) { return info.param.name; })

#pragma once
// The record-case table of the settings-record tests: one row per record type, built with
// MakeRecordCase<T>, so a suite runs every record type through the same checks.
#include "Info/SendParam.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

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

inline void PrintTo(const RecordCase& c, std::ostream* os)
{
    *os << c.name;
}

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

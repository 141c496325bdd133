#pragma once
// RegistryValues: the list of a record's persisted fields, in load order, each with the
// save parts that write it. Loading follows the records' common rule: texts and ints are
// read straight into their fields; bools, unsigned values and enumerations go through a
// temporary that is committed only when every read succeeded.
#include "Info/SendParam.h"

#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

class RegistryValues
{
public:
    explicit RegistryValues(const wchar_t* subKey) : m_key(SendParam::SettingsKey(subKey)) {}

    // parts: the save parts beyond 0 that write the value.
    RegistryValues& Add(const wchar_t* name, CString& field, std::initializer_list<unsigned> parts);
    RegistryValues& Add(const wchar_t* name, int& field, std::initializer_list<unsigned> parts);
    RegistryValues& Add(const wchar_t* name, bool& field, std::initializer_list<unsigned> parts);
    RegistryValues& Add(const wchar_t* name, unsigned int& field, std::initializer_list<unsigned> parts);
    template <typename E, typename = std::enable_if_t<std::is_enum<E>::value>>
    RegistryValues& Add(const wchar_t* name, E& field, std::initializer_list<unsigned> parts)
    {
        return AddTemporary(
            name, parts, [&field] { return static_cast<int>(field); }, [&field](int v) { field = static_cast<E>(v); });
    }

    // Reads every value; true (and the temporaries committed) only when all succeeded
    // and earlierOk is true.
    bool Load(bool earlierOk = true);
    // Writes the values of the part; false when a write failed or no value belongs to it.
    bool Save(unsigned int part);

    const CString& Key() const { return m_key; }

private:
    struct Value
    {
        const wchar_t* name;
        unsigned parts;
        CString* text;
        int* number;
        std::function<int()> get;        // temporaries only
        std::function<void(int)> commit; // temporaries only
    };

    static unsigned Mask(std::initializer_list<unsigned> parts);
    RegistryValues& AddTemporary(const wchar_t* name, std::initializer_list<unsigned> parts, std::function<int()> get,
                                 std::function<void(int)> commit);

    CString m_key;
    std::vector<Value> m_values;
};

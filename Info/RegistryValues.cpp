#include "Info/RegistryValues.h"

unsigned RegistryValues::Mask(std::initializer_list<unsigned> parts)
{
    unsigned mask = 1u; // part 0 writes every value
    for (unsigned p : parts)
        mask |= 1u << p;
    return mask;
}

RegistryValues& RegistryValues::Add(const wchar_t* name, CString& field, std::initializer_list<unsigned> parts)
{
    m_values.push_back({name, Mask(parts), &field, nullptr, nullptr, nullptr});
    return *this;
}

RegistryValues& RegistryValues::Add(const wchar_t* name, int& field, std::initializer_list<unsigned> parts)
{
    m_values.push_back({name, Mask(parts), nullptr, &field, nullptr, nullptr});
    return *this;
}

RegistryValues& RegistryValues::Add(const wchar_t* name, bool& field, std::initializer_list<unsigned> parts)
{
    return AddTemporary(
        name, parts, [&field] { return field ? 1 : 0; }, [&field](int v) { field = v != 0; });
}

RegistryValues& RegistryValues::Add(const wchar_t* name, unsigned int& field, std::initializer_list<unsigned> parts)
{
    return AddTemporary(
        name, parts, [&field] { return static_cast<int>(field); },
        [&field](int v) { field = static_cast<unsigned int>(v); });
}

RegistryValues& RegistryValues::AddTemporary(const wchar_t* name, std::initializer_list<unsigned> parts,
                                             std::function<int()> get, std::function<void(int)> commit)
{
    m_values.push_back({name, Mask(parts), nullptr, nullptr, std::move(get), std::move(commit)});
    return *this;
}

bool RegistryValues::Load(bool earlierOk)
{
    bool ok = earlierOk;
    std::vector<int> temporaries(m_values.size());
    for (size_t i = 0; i < m_values.size(); ++i)
    {
        Value& v = m_values[i];
        if (v.text)
            ok &= SendParam::ReadRegistryValue(m_key, v.name, *v.text);
        else if (v.number)
            ok &= SendParam::ReadRegistryValue(m_key, v.name, *v.number);
        else
        {
            temporaries[i] = v.get();
            ok &= SendParam::ReadRegistryValue(m_key, v.name, temporaries[i]);
        }
    }
    if (!ok)
        return false;
    for (size_t i = 0; i < m_values.size(); ++i)
        if (m_values[i].commit)
            m_values[i].commit(temporaries[i]);
    return true;
}

bool RegistryValues::Save(unsigned int part)
{
    if (part >= 32)
        return false;
    bool any = false, ok = true;
    for (Value& v : m_values)
    {
        if (!(v.parts & (1u << part)))
            continue;
        any = true;
        if (v.text)
            ok &= SendParam::WriteRegistryValue(m_key, v.name, *v.text);
        else if (v.number)
            ok &= SendParam::WriteRegistryValue(m_key, v.name, *v.number);
        else
            ok &= SendParam::WriteRegistryValue(m_key, v.name, v.get());
    }
    return any && ok;
}

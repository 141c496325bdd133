#pragma once
// Where the animated effects take their random numbers: rand() unless a test gives a
// sequence of its own.
#include <cstdlib>
#include <functional>

using RandomSource = std::function<int()>;

inline RandomSource DefaultRandomSource()
{
    return [] { return std::rand(); };
}

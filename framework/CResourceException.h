#pragma once
// CResourceException: thrown when a system resource the program cannot run without
// (a window class, a GDI object) cannot be made.
#include <stdexcept>

class CResourceException : public std::runtime_error
{
public:
    CResourceException() : std::runtime_error("A system resource could not be allocated.") {}
};

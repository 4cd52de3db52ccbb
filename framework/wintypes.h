#pragma once

#include <cstdint>

// The plain types and values of the windowing API that the program is written against.
using BOOL = int;
using BYTE = std::uint8_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

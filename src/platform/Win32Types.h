#pragma once

// The Windows types that appear in Kavo's signal signatures, with the fields Kavo uses.
#include <cstdint>

using DWORD = std::uint32_t;
using UINT = std::uint32_t;

struct POINT
{
    long x = 0;
    long y = 0;
};

struct MSLLHOOKSTRUCT
{
    POINT pt;
    DWORD mouseData = 0;
    DWORD flags = 0;
    DWORD time = 0;
};

// The flags word of a key event: set when the key was released.
constexpr DWORD LLKHF_UP = 0x80;

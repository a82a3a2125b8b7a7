#pragma once

// Upper-case hexadecimal digit of 0..15, as the editor's cells and codes show it.
namespace params {

constexpr char hexDigitChar(int value)
{
    return "0123456789ABCDEF"[value & 0x0F];
}

} // namespace params

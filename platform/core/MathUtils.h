#pragma once
// Integer arithmetic of the framework that drawing and effect code rely on.
#include <cstdint>

// Nearest integer, ties to even (Round(2.5) = 2, Round(3.5) = 4). Raises EConvertError when the
// result does not fit in 64 bits.
int64_t Round(double value);
// Toward zero; raises EConvertError when the result does not fit in 64 bits.
int64_t Trunc(double value);
// Integer division toward zero (-7 div 2 = -3); raises EInvalidOperation for a zero divisor.
int64_t Div(int64_t a, int64_t b);
// Remainder with the sign of the dividend (-7 mod 2 = -1); raises EInvalidOperation for zero.
int64_t Mod(int64_t a, int64_t b);
// a * b / c with a 64-bit product, rounded to nearest with halves away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

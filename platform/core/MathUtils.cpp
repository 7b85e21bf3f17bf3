#include "platform/core/MathUtils.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/core/Exceptions.h"

namespace {

int64_t ToInt64(double value)
{
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        throw EConvertError("Invalid floating point operation");
    return static_cast<int64_t>(value);
}

} // namespace

int64_t Round(double value)
{
    double whole = std::floor(value);
    double diff = value - whole;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return ToInt64(whole);
}

int64_t Trunc(double value)
{
    return ToInt64(std::trunc(value));
}

int64_t Div(int64_t a, int64_t b)
{
    if (b == 0)
        throw EInvalidOperation("Division by zero");
    if (a == std::numeric_limits<int64_t>::min() && b == -1)
        throw EOverflow("Integer overflow");
    return a / b;
}

int64_t Mod(int64_t a, int64_t b)
{
    if (b == 0)
        throw EInvalidOperation("Division by zero");
    if (b == -1)
        return 0;
    return a % b;
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t magnitude = std::llabs(product);
    int64_t divisor = std::llabs(static_cast<int64_t>(c));
    int64_t quotient = (magnitude + divisor / 2) / divisor;
    bool negative = (product < 0) != (c < 0);
    int64_t result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(result);
}

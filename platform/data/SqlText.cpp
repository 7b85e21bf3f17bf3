#include "platform/data/SqlText.h"

#include "platform/core/Exceptions.h"

std::string SqlText(const std::string& value)
{
    // The statement would end at the NUL, leaving SQL the caller never wrote.
    if (value.find('\0') != std::string::npos)
        throw EConvertError("The text holds a NUL character and cannot be written into SQL");
    std::string quoted;
    quoted.reserve(value.size());
    for (char c : value) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted;
}

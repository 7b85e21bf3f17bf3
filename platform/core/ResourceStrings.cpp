#include "platform/core/ResourceStrings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Texts kept exactly, trailing blanks and " ?" included.
constexpr std::array<std::pair<int, const char*>, 15> Texts{{
    {65040, "Previous month"},
    {65041, "Next year"},
    {65042, "Next month"},
    {65043, "Click to change month"},
    {65044, "Today is "},
    {65045, "Click to select today"},
    {65046, "Delete selected records ?"},
    {65047, "Delete record ?"},
    {65048, "Lookup Dataset cannot be equal to Source DataSet"},
    {65049, "Save result"},
    {65050, "Close without saving"},
    {65051, "Decimal digits"},
    {65052, "Increase number of decimal digits"},
    {65053, "Decrease number of decimal digits"},
    {65071, "Previous year"},
}};

} // namespace

std::string LoadResString(int id)
{
    auto found = std::find_if(Texts.begin(), Texts.end(), [id](const auto& entry) { return entry.first == id; });
    return found == Texts.end() ? std::string() : std::string(found->second);
}

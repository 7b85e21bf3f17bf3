#include "ledger/AmountInWords.h"

#include <array>
#include <cstdint>

#include "platform/core/Exceptions.h"

namespace {

constexpr std::array<const char*, 10> Units = {"", "Satu ", "Dua ", "Tiga ", "Empat ", "Lima ", "Enam ",
                                               "Tujuh ", "Delapan ", "Sembilan "};
constexpr std::array<const char*, 10> Teens = {"Sepuluh ", "Sebelas ", "Duabelas ", "Tigabelas ",
                                               "Empatbelas ", "Limabelas ", "Enambelas ", "Tujuhbelas ",
                                               "Delapanbelas ", "Sembilanbelas "};
constexpr std::array<const char*, 10> Tens = {"", "", "Duapuluh ", "Tigapuluh ", "Empatpuluh ", "Limapuluh ",
                                              "Enampuluh ", "Tujuhpuluh ", "Delapanpuluh ", "Sembilanpuluh "};
constexpr std::array<const char*, 10> Hundreds = {"", "Seratus ", "Duaratus ", "Tigaratus ", "Empatratus ",
                                                  "Limaratus ", "Enamratus ", "Tujuhratus ", "Delapanratus ",
                                                  "Sembilanratus "};

std::string SpellGroup(int64_t group)
{
    const auto h = group / 100, t = group / 10 % 10, u = group % 10;
    std::string text = Hundreds[h];
    if (t == 1)
        text += Teens[u];
    else
        text += std::string(Tens[t]) + Units[u];
    return text;
}

// Below one billion: the units, thousands and millions groups.
std::string SpellBelowBillion(int64_t value)
{
    std::string total;
    int k = 1;
    do {
        const int64_t g = value % 1000;
        const std::string text = SpellGroup(g);
        if (k == 1)
            total = text;
        else if (k == 2 && g != 0)
            total = (text == "Satu " ? std::string("Seribu ") : text + "Ribu ") + total;
        else if (k == 3 && g != 0)
            total = text + "Juta " + total;
        value /= 1000;
        ++k;
    } while (value != 0);
    return total;
}

int64_t ParseDigits(const std::string& text, const std::string& whole)
{
    int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value >= 1'000'000'000)
            throw EConvertError("'" + whole + "' is too large for an amount in words");
    }
    return value;
}

} // namespace

void SpellAmount(const std::string& Amount, std::string& Words)
{
    // Blanks as the framework's Trim sees them: every character up to and including the space.
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto first = Amount.begin(), last = Amount.end();
    while (first != last && isBlank(*first))
        ++first;
    while (last != first && isBlank(*(last - 1)))
        --last;
    const std::string s(first, last);
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos)
        throw EConvertError("'" + Amount + "' is not a valid integer value");

    const auto split = s.size() > 9 ? s.size() - 9 : 0;
    const int64_t billions = ParseDigits(s.substr(0, split), Amount);
    const int64_t rest = ParseDigits(s.substr(split), Amount);

    std::string result = SpellBelowBillion(rest);
    if (billions != 0)
        result = SpellBelowBillion(billions) + " Milyar " + result;
    Words = result + " Rupiah";
}

std::string SpellAmount(const std::string& Amount)
{
    std::string words;
    SpellAmount(Amount, words);
    return words;
}

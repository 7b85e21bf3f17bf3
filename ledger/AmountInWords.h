#pragma once
// A whole rupiah amount in Indonesian words, as the pay slip prints it.
#include <string>

// Amount: decimal digits, blanks around them ignored. Words receives the words and " Rupiah".
// Raises EConvertError on anything else (empty text, a sign, a separator, a letter) and on
// amounts of 10^18 and more, which have no group word.
void SpellAmount(const std::string& Amount, std::string& Words);
std::string SpellAmount(const std::string& Amount);

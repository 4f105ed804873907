// Check digits of the sample data, so that samples are valid as the
// printer would check them.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// GS1 modulo 10 (weights 3 and 1 from the right): EAN, UPC, GTIN, ITF,
// 2 of 5. Digits only.
char gs1CheckDigit(std::string_view digits);
// Code 39 modulo 43.
char code39CheckCharacter(std::string_view text);
// MSI/Plessey modulo 10 (every other digit doubled from the right).
char msiCheckDigit(std::string_view digits);
// The UPC-A digits (11, without check digit) of a UPC-E body: number system
// and six digits.
std::string upcEToUpcA(std::string_view numberSystemAndSixDigits);

}  // namespace vx

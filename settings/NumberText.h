#pragma once
// Numbers as the program writes and reads them in captions, messages, file names and the
// registry: "." as the decimal point whatever the user's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

std::u16string NumText(std::int64_t n);
// Up to 7 significant digits, as a single-precision value holds.
std::u16string NumText(float x);

// The number a text begins with, leading blanks skipped; 0 when it begins with none.
double NumberValue(std::u16string_view text);

// Nearest integer, halves to the even one; nullopt when the result lies outside [lo, hi].
std::optional<std::int64_t> RoundToRange(double x, std::int64_t lo, std::int64_t hi);
// Nearest integer of x brought into [lo, hi]; halves to the even one.
std::int64_t RoundClamped(double x, std::int64_t lo, std::int64_t hi);
std::optional<std::int16_t> RoundToInt16(double x);
std::optional<std::int32_t> RoundToInt32(double x);

std::u16string BoolText(bool flag);
// The stored text compared case-insensitively with "true" and "false"; anything else gives
// the default.
bool BoolRule(std::u16string_view text, bool defaultValue);
bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// ASCII-only conversions for numbers and fixed words.
std::u16string Widen(std::string_view ascii);

}  // namespace pw

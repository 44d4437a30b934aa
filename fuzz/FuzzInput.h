#pragma once

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

// A fuzz input holds up to `parts` parts separated by two NUL bytes. The text under test comes
// first, so a plain file (a page, an INI file, a data file) is a seed as it stands; the parts it
// lacks are empty. The last part takes the rest of the input, separators included.
inline constexpr char FuzzPartSeparator[] = {'\0', '\0'};
QList<QByteArray> splitFuzzInput(const std::uint8_t* data, std::size_t size, int parts);
QByteArray joinFuzzInput(const QList<QByteArray>& parts);

// A number made of the part's first four bytes (little-endian), or fallback when it is shorter.
std::uint32_t fuzzNumber(const QByteArray& part, std::uint32_t fallback);

// Ends the run with the failed condition and where it stands; libFuzzer then keeps the input.
[[noreturn]] void fuzzCheckFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) ((condition) ? void() : fuzzCheckFailed(#condition, __FILE__, __LINE__))

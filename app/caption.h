#pragma once
// The window caption is kept only in scrambled form: hexadecimal byte pairs,
// each followed by a comma, turned back into text at run time.
#include <cstdint>
#include <string>
#include <vector>

std::int32_t HexToNumber(const std::string& text);

// The byte stream cipher behind the caption. It is its own inverse for a
// given key, so the same routine scrambles and descrambles.
std::vector<std::uint8_t> CaptionCipher(const std::vector<std::uint8_t>& data, const std::string& key);

// Decodes the comma-separated hexadecimal text and runs the cipher; the
// result ends at the first zero byte.
std::string DescrambleCaption(const std::string& input, const std::string& key);

// Writes bytes in the stored form: "XX," per byte, upper-case digits.
std::string ToStoredHex(const std::vector<std::uint8_t>& bytes);

// The main window's caption in its stored form.
extern const char* const StoredCaption;

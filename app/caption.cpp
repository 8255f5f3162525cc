#include "app/caption.h"

#include <array>
#include <cctype>
#include <utility>

std::int32_t HexToNumber(const std::string& text) {
    static const std::string digits = "0123456789ABCDEF";
    std::int32_t value = 0;
    for (char c : text) {
        auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        // A character that is not a digit has position 0, so it counts as -1,
        // exactly as the stored format has always been read.
        auto pos = digits.find(upper);
        std::int32_t position = pos == std::string::npos ? 0 : static_cast<std::int32_t>(pos) + 1;
        value = value * 16 + position - 1;
    }
    return value;
}

std::vector<std::uint8_t> CaptionCipher(const std::vector<std::uint8_t>& data, const std::string& key) {
    std::array<std::uint8_t, 256> s{};
    std::array<std::uint8_t, 256> k{};
    for (int n = 0; n < 256; ++n) s[n] = static_cast<std::uint8_t>(n);
    std::size_t j = 1;
    for (int n = 0; n < 256; ++n) {
        if (j > key.size()) j = 1;
        k[n] = key.empty() ? 0 : static_cast<std::uint8_t>(key[j - 1]);
        ++j;
    }
    // The index arithmetic below (the extra 1 carried in L and J, the step of
    // two in p) is part of the stored format; plain RC4 would not read it.
    int l = 0;
    for (int n = 0; n < 256; ++n) {
        l = ((l + s[n] + k[n]) % 256) + 1;
        std::swap(s[n], s[l - 1]);
    }
    std::vector<std::uint8_t> out;
    out.reserve(data.size());
    int i = 0, jj = 0;
    for (std::uint8_t d : data) {
        i = ((i + 1) % 256) + 1;
        int p = i - 1;
        jj = ((jj + s[p]) % 256) + 1;
        int q = jj - 1;
        std::swap(s[p], s[q]);
        int t = (s[p] + s[q]) % 256;
        out.push_back(static_cast<std::uint8_t>(d ^ s[t]));
    }
    return out;
}

std::string DescrambleCaption(const std::string& input, const std::string& key) {
    std::string hex;
    for (char c : input)
        if (c != ',') hex += c;
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        data.push_back(static_cast<std::uint8_t>(HexToNumber(hex.substr(i, 2))));
    std::vector<std::uint8_t> out = CaptionCipher(data, key);
    std::string text;
    for (std::uint8_t b : out) {
        if (b == 0) break;
        text += static_cast<char>(b);
    }
    return text;
}

std::string ToStoredHex(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ',';
    }
    return out;
}

// "视频广告拦截器 V1.0" in its stored form (tools/scramble_caption makes it).
const char* const StoredCaption =
    "F9,2C,EC,9E,1B,0D,B2,7B,05,41,23,AF,DE,A0,DE,5E,EC,9F,5C,FD,19,BC,DD,9E,53,F1,";

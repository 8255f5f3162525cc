#include <gtest/gtest.h>

#include "app/caption.h"

namespace {

std::vector<std::uint8_t> B(const std::string& s) { return {s.begin(), s.end()}; }

TEST(HexToNumber, ReadsDigitsOfEitherCase) {
    EXPECT_EQ(HexToNumber("0"), 0);
    EXPECT_EQ(HexToNumber("ff"), 255);
    EXPECT_EQ(HexToNumber("Fa"), 250);
    EXPECT_EQ(HexToNumber("7"), 7);
    EXPECT_EQ(HexToNumber("1A2"), 0x1A2);
}

TEST(DescrambleCaption, StoredCaptionIsTheTitle) {
    EXPECT_EQ(std::string(StoredCaption).size(), 78u);
    EXPECT_EQ(DescrambleCaption(StoredCaption, ""), "视频广告拦截器 V1.0");
}

TEST(DescrambleCaption, RoundTripsThroughTheStoredForm) {
    for (const std::string& key : {std::string(), std::string("k"), std::string("abc"), std::string("长密钥")}) {
        const std::string plain = "Any caption, 任意标题 0123";
        std::string stored = ToStoredHex(CaptionCipher(B(plain), key));
        EXPECT_EQ(DescrambleCaption(stored, key), plain) << "key " << key;
    }
}

// Keystream bytes for zero input, worked out from the algorithm's own
// definition outside this code: with an empty key every K[n] is 0; a key of
// "Key" repeats K every three positions and changes the stream.
TEST(CaptionCipher, KnownKeystream) {
    const std::vector<std::uint8_t> zeros(4, 0);
    EXPECT_EQ(CaptionCipher(zeros, ""), (std::vector<std::uint8_t>{0x11, 0x8B, 0x6A, 0x77}));
    EXPECT_EQ(CaptionCipher(zeros, "Key"), (std::vector<std::uint8_t>{0xAD, 0x92, 0x27, 0xB8}));
    // "KeyKey" gives the same key array as "Key".
    EXPECT_EQ(CaptionCipher(zeros, "KeyKey"), CaptionCipher(zeros, "Key"));
}

TEST(DescrambleCaption, EdgeCases) {
    EXPECT_EQ(DescrambleCaption("", ""), "");
    EXPECT_EQ(DescrambleCaption(",,,", ""), "");
    // Odd length: the last digit stands alone as one byte.
    std::vector<std::uint8_t> one = CaptionCipher({0x41, 0x05}, "");
    std::string stored = ToStoredHex(one);
    stored.erase(stored.size() - 3, 1);  // "XY,0Z," -> "XY,Z,"
    ASSERT_EQ(stored.size(), 5u);
    std::vector<std::uint8_t> expected = CaptionCipher({one[0], static_cast<std::uint8_t>(one[1] & 0x0F)}, "");
    std::string expectedText;
    for (std::uint8_t b : expected) {
        if (!b) break;
        expectedText += static_cast<char>(b);
    }
    EXPECT_EQ(DescrambleCaption(stored, ""), expectedText);
    EXPECT_EQ(expectedText[0], 'A');
    // The text ends at the first zero byte.
    std::string withZero = ToStoredHex(CaptionCipher(B(std::string("ab\0cd", 5)), ""));
    EXPECT_EQ(DescrambleCaption(withZero, ""), "ab");
}

}  // namespace

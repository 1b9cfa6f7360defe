#include "colour/colour_parse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Lmr::opaqueArgb;

struct Entry {
  std::wstring text;
  std::optional<Lmr::Argb> colour;  // empty: rejected
};

void expectParses(std::optional<Lmr::Argb> (*parse)(std::wstring_view), const Entry& entry) {
  SCOPED_TRACE(testing::Message() << "entry of " << entry.text.size() << " characters");
  EXPECT_EQ(parse(entry.text), entry.colour);
}

TEST(Hexstr2num, ReadsDigitsAfterAnOptionalPrefix) {
  const std::pair<const wchar_t*, std::int32_t> cases[] = {
      {L"FF", 255}, {L"a3", 163}, {L"H7", 7}, {L"h7", 7},     {L"0x", 0},  {L"0X1f", 31},
      {L"G1", 0},   {L"", 0},     {L"H", 0},  {L"1G", 0},     {L"00", 0},  {L"7", 7},
      {L"-1", 0},   {L" 1", 0},   {L"０1", 0}, {L"HH", 0},   {L"x1", 0},  {L"0xH1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(Lmr::hexstr2num(text), value) << text;
}

TEST(Hexstr2num, LongTextsKeepTheLowest32Bits) {
  EXPECT_EQ(Lmr::hexstr2num(L"7FFFFFFF"), 0x7FFFFFFF);
  EXPECT_EQ(Lmr::hexstr2num(L"FFFFFFFF"), -1);
  EXPECT_EQ(Lmr::hexstr2num(L"123456789"), 0x23456789);
  EXPECT_EQ(Lmr::hexstr2num(std::wstring(5000, L'F') + L"12"), static_cast<std::int32_t>(0xFFFFFF12));
  EXPECT_EQ(Lmr::hexstr2num(std::wstring(5000, L'F') + L"Z"), 0);
}

TEST(HexEntry, SixCharactersAfterOneHash) {
  const Entry entries[] = {
      {L"#ff0000", opaqueArgb(255, 0, 0)},
      {L"FF0000", opaqueArgb(255, 0, 0)},
      {L"#A31515", opaqueArgb(163, 21, 21)},
      {L"#GG0000", opaqueArgb(0, 0, 0)},
      {L"#12GG56", opaqueArgb(0x12, 0, 0x56)},
      {L"#H7H7H7", opaqueArgb(7, 7, 7)},  // each pair may carry the "H" prefix
      {L"0x0x0x", opaqueArgb(0, 0, 0)},
      {L"#12 456", opaqueArgb(0x12, 0, 0x56)},
      {L"#F00", std::nullopt},
      {L"#FF0000FF", std::nullopt},
      {L"##FF0000", std::nullopt},
      {L"", std::nullopt},
      {L"#", std::nullopt},
      {L"FF0000 ", std::nullopt},
      {L"\t\r\n\x01\x7F\x1B", opaqueArgb(0, 0, 0)},
      {std::wstring(L"#\0\0\0\0\0\0", 7), opaqueArgb(0, 0, 0)},
      {std::wstring(10000, L'F'), std::nullopt},
  };
  for (const Entry& entry : entries) expectParses(Lmr::parseHexEntry, entry);
}

TEST(RgbEntry, ExactlyThreeDigitRunsEachModulo256) {
  const Entry entries[] = {
      {L"rgb(255,0,0)", opaqueArgb(255, 0, 0)},
      {L"rgb(300,0,0)", opaqueArgb(44, 0, 0)},
      {L"rgb(256,256,256)", opaqueArgb(0, 0, 0)},
      {L"10 20 30", opaqueArgb(10, 20, 30)},
      {L"a10b20c30", opaqueArgb(10, 20, 30)},
      {L"rgb(1234567,0,0)", opaqueArgb(135, 0, 0)},
      {L"rgb(-5,10,20)", opaqueArgb(5, 10, 20)},
      {L"rgb(007,08,9", opaqueArgb(7, 8, 9)},
      {L"rgb(4294967296,4294967551,99999999999999999999)", opaqueArgb(0, 255, 255)},
      {L"rgb(1.5,2,3)", std::nullopt},
      {L"rgb(255,0)", std::nullopt},
      {L"rgb(1,2,3,4)", std::nullopt},
      {L"", std::nullopt},
      {L"rgb(,,)", std::nullopt},
      {L"\x01" L"1\x02" L"2\x7F" L"3\0", opaqueArgb(1, 2, 3)},
      {L"1\u0662 2 3", opaqueArgb(1, 2, 3)},      // Arabic-Indic two is no digit
      {L"\uFF11\uFF12\uFF13", std::nullopt},     // neither are full-width digits
      {L"1\uFF122\uFF123", opaqueArgb(1, 2, 3)},  // ... they only separate
      {L"Color [A=255, R=12, G=34, B=56]", std::nullopt},
      {L"<td style=\"color:#fff\">12;34;56</td>", opaqueArgb(12, 34, 56)},
  };
  for (const Entry& entry : entries) expectParses(Lmr::parseRgbEntry, entry);
}

TEST(RgbEntry, RunsOfThousandsOfDigitsAreRead) {
  // 10^k modulo 256 is 0 for k >= 8, so a 1 followed by many zeros reads 0.
  const std::wstring huge = L"1" + std::wstring(5000, L'0');
  EXPECT_EQ(Lmr::parseRgbEntry(huge + L"," + huge + L"7," + std::wstring(3000, L'9')),
            opaqueArgb(0, 7, 255));  // 10^3000 - 1 is -1 modulo 256
  EXPECT_EQ(Lmr::parseRgbEntry(huge + L"," + huge), std::nullopt);
}

}  // namespace

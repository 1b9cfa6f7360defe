#include "colour/icc_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "colour/converted_colour.h"
#include "icc_test_bytes.h"

namespace {

using Lmr::test::argyllProfiles;
using Lmr::test::Bytes;
using Lmr::test::colordProfiles;
using Lmr::test::putU32;
using Matrix = double[3][3];
using Triple = std::array<double, 3>;

Triple times(const Matrix& m, const Triple& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// OKLCH of an XYZ (D50) value by published matrices, none of them the program's: Bradford from
// D50 to D65 as Bruce Lindbloom tabulates it, and Björn Ottosson's XYZ (D65) to OKLab.
Lmr::Oklch oklchOfPcs(const Triple& xyzD50) {
  constexpr Matrix bradfordD50ToD65 = {
      {0.9555766, -0.0230393, 0.0631636}, {-0.0282895, 1.0099416, 0.0210077}, {0.0122982, -0.0204830, 1.3299098}};
  constexpr Matrix xyzToLms = {{0.8189330101, 0.3618667424, -0.1288597137},
                               {0.0329845436, 0.9293118715, 0.0361456387},
                               {0.0482003018, 0.2643662691, 0.6338517070}};
  constexpr Matrix lmsRootsToLab = {{0.2104542553, 0.7936177850, -0.0040720468},
                                    {1.9779984951, -2.4285922050, 0.4505937099},
                                    {0.0259040371, 0.7827717662, -0.8086757660}};
  const Triple lms = times(xyzToLms, times(bradfordD50ToD65, xyzD50));
  const Triple lab = times(lmsRootsToLab, {std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
  const double hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
  return {lab[0], std::hypot(lab[1], lab[2]), hue < 0 ? hue + 360 : hue};
}

// Little CMS figures for the same pixel, taken once by hand with its transicc (relative
// colorimetric, -c0): to its built-in sRGB, to argyll's DisplayP3.icm, and to *XYZ (the D50
// connection space, times 100).
struct ShippedCase {
  std::string file;
  std::wstring description;
  std::uint8_t r, g, b;
  Triple srgb;  // 0 to 255
  Triple displayP3;  // 0 to 255
  Triple pcs;  // 0 to 100
};

TEST(IccProfile, ShippedDisplayProfilesConvertAsLittleCmsDoes) {
  const ShippedCase cases[] = {
      {argyllProfiles + "DisplayP3.icm", L"DisplayP3 color profile", 200, 100, 50, {214.8985, 92.6146, 30.9427},
       {199.9961, 100.0000, 49.9961}, {33.9739, 22.9652, 2.9735}},
      {argyllProfiles + "DisplayP3.icm", L"DisplayP3 color profile", 90, 140, 200, {72.7952, 141.6307, 205.1805},
       {90.0000, 140.0000, 199.9961}, {21.9971, 24.4637, 46.3733}},
      {argyllProfiles + "Rec2020.icm", L"BT.2020 color profile", 200, 100, 50, {245.7959, 94.1209, 50.3732},
       {228.0856, 104.2140, 65.2646}, {44.8940, 28.7073, 4.6789}},
      {argyllProfiles + "ClayRGB1998.icm", L"Interchangeable with Adobe RGB (1998)", 200, 100, 50,
       {227.0741, 100.0682, 42.3562}, {211.5019, 107.6342, 59.0311}, {38.7704, 26.3944, 3.9871}},
      {argyllProfiles + "sRGB.icm", L"sRGB IEC61966-2.1 (Equivalent to www.srgb.com 1998 HP profile)", 30, 160,
       220, {30.0244, 159.9992, 220.0019}, {76.4241, 157.6615, 214.6887}, {24.3426, 29.8284, 54.5255}},
      {colordProfiles + "AdobeRGB1998.icc", L"Compatible with Adobe RGB (1998)", 200, 100, 50,
       {227.0616, 100.0613, 42.3642}, {211.4903, 107.6265, 59.0311}, {38.7656, 26.3911, 3.9874}},
      {colordProfiles + "sRGB.icc", L"sRGB", 12, 40, 7, {12.0238, 40.0028, 7.0045}, {19.5992, 39.3852, 11.5914},
       {1.0083, 1.6163, 0.3629}},
  };
  for (const ShippedCase& c : cases) {
    SCOPED_TRACE(c.file + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    const Lmr::ProfileReading reading = Lmr::readIccProfile(Lmr::test::profileFile(c.file));
    EXPECT_EQ(reading.description, c.description);
    ASSERT_TRUE(reading.matrix);
    const Lmr::ConvertedColour colour = Lmr::convertedColour(Lmr::opaqueArgb(c.r, c.g, c.b), &*reading.matrix);
    const Lmr::Oklch oklch = oklchOfPcs({c.pcs[0] / 100, c.pcs[1] / 100, c.pcs[2] / 100});
    for (std::size_t i = 0; i < 3; ++i) {
      // The two agree to a hundredth of an 8-bit step; a tenth catches a curve table read one
      // entry off, which a whole step would let through.
      EXPECT_NEAR(colour.srgb[i] * 255, c.srgb[i], 0.1) << i;
      EXPECT_NEAR(colour.displayP3[i], c.displayP3[i] / 255, 0.002) << i;
    }
    EXPECT_NEAR(colour.oklch.lightness, oklch.lightness, 0.002);
    EXPECT_NEAR(colour.oklch.chroma, oklch.chroma, 0.002);
    EXPECT_NEAR(colour.oklch.hue, oklch.hue, 0.5);
  }
}

// The place of a tag's entry in the tag table.
std::size_t tagEntry(const Bytes& profile, std::string_view signature) {
  for (std::size_t entry = 132; entry + 12 <= profile.size(); entry += 12) {
    if (std::equal(signature.begin(), signature.end(), profile.begin() + static_cast<std::ptrdiff_t>(entry))) {
      return entry;
    }
  }
  ADD_FAILURE() << signature << " not found";
  return 0;
}

std::uint32_t tagOffset(const Bytes& profile, std::string_view signature) {
  const std::size_t at = tagEntry(profile, signature) + 4;
  return static_cast<std::uint32_t>(profile[at] << 24 | profile[at + 1] << 16 | profile[at + 2] << 8 | profile[at + 3]);
}

void rename(Bytes& profile, std::string_view from, std::string_view to) {
  std::copy(to.begin(), to.end(), profile.begin() + static_cast<std::ptrdiff_t>(tagEntry(profile, from)));
}

void pointTagAt(Bytes& profile, std::string_view signature, std::uint32_t offset, std::uint32_t size) {
  putU32(profile, tagEntry(profile, signature) + 4, offset);
  putU32(profile, tagEntry(profile, signature) + 8, size);
}

struct BrokenCase {
  const char* name;
  std::function<void(Bytes&)> breakIt;
  bool supported;
  bool namedStill;
};

// Argyll's ClayRGB1998.icm (version 2, gamma curves), broken in one way per case.
TEST(IccProfile, ProfilesOfAnotherKindOrBrokenAreNotSupportedButKeepTheirName) {
  const BrokenCase cases[] = {
      {"as shipped", [](Bytes&) {}, true, true},
      {"cut short after the curves", [](Bytes& p) { p.resize(600); }, false, true},
      {"red colorant past the end", [](Bytes& p) { pointTagAt(p, "rXYZ", 0x10000, 20); }, false, true},
      {"zero colorants",
       [](Bytes& p) {
         for (auto colorant : {"rXYZ", "gXYZ", "bXYZ"}) std::fill_n(p.begin() + tagOffset(p, colorant) + 8, 12, 0);
       },
       false, true},
      {"green colorant the red one", [](Bytes& p) { pointTagAt(p, "gXYZ", tagOffset(p, "rXYZ"), 20); }, false, true},
      {"lookup tables only",
       [](Bytes& p) {
         for (auto [from, to] : {std::pair{"rXYZ", "A2B0"}, {"gXYZ", "A2B1"}, {"bXYZ", "A2B2"}, {"rTRC", "B2A0"},
                                 {"gTRC", "B2A1"}, {"bTRC", "B2A2"}}) {
           rename(p, from, to);
         }
       },
       false, true},
      {"red curve a text", [](Bytes& p) { pointTagAt(p, "rTRC", tagOffset(p, "cprt"), 53); }, false, true},
      {"red curve infinite at 0",
       [](Bytes& p) {
         const std::uint32_t at = tagOffset(p, "cprt");
         putU32(p, at, Lmr::iccSignature("para"));
         putU32(p, at + 8, 0);  // type 0
         putU32(p, at + 12, Lmr::test::s15Fixed16(-1.0));
         pointTagAt(p, "rTRC", at, 16);
       },
       false, true},
      {"version 5", [](Bytes& p) { p[8] = 5; }, false, true},
      {"Lab connection space", [](Bytes& p) { putU32(p, 20, Lmr::iccSignature("Lab ")); }, false, true},
      {"tag table longer than the file", [](Bytes& p) { putU32(p, 128, 1000); }, false, false},
      {"not a profile", [](Bytes& p) { putU32(p, 36, Lmr::iccSignature("acsq")); }, false, false},
  };
  const Bytes shipped = Lmr::test::profileFile(argyllProfiles + "ClayRGB1998.icm");
  ASSERT_FALSE(shipped.empty());
  for (const BrokenCase& c : cases) {
    Bytes profile = shipped;
    c.breakIt(profile);
    const Lmr::ProfileReading reading = Lmr::readIccProfile(profile);
    EXPECT_EQ(reading.matrix.has_value(), c.supported) << c.name;
    EXPECT_EQ(reading.description, c.namedStill ? L"Interchangeable with Adobe RGB (1998)" : L"") << c.name;
  }
}

}  // namespace

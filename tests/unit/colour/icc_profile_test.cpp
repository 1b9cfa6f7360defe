#include "colour/icc_profile.h"

#include <gtest/gtest.h>

#include <functional>

#include "icc_test_bytes.h"

namespace {

using Lmr::test::argyllProfiles;
using Lmr::test::Bytes;
using Lmr::test::putU32;

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
      {"blue curve ending past the end", [](Bytes& p) { pointTagAt(p, "bTRC", tagOffset(p, "bTRC"), 1000); },
       false, true},
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
      {"CMYK device", [](Bytes& p) { putU32(p, 16, Lmr::iccSignature("CMYK")); }, false, true},
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

// Writes the profile fuzz target's seeds into the folder given: small display profiles of both
// versions and every kind of curve, one of another kind and one cut short, all made here with the
// unit tests' byte builder. The checked-in seeds are this program's output (a ctest case compares
// them); after a change here, run it on tests/fuzz/icc_profile/seeds.
//   icc_profile_seeds FOLDER
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "icc_test_bytes.h"

namespace {

using Lmr::test::appendText;
using Lmr::test::appendU32;
using Lmr::test::asciiDescTag;
using Lmr::test::Bytes;
using Lmr::test::curvTag;
using Lmr::test::mlucTag;
using Lmr::test::paraTag;
using Lmr::test::s15Fixed16;
using Lmr::test::tagOfType;

struct Tag {
  std::string signature;
  Bytes data;  // empty: the data of the tag before it, shared
};

// A profile of `tags` in that order, each tag's data on a four-byte boundary.
Bytes profileOf(std::uint32_t version, std::string_view deviceClass, std::string_view colourSpace,
                std::string_view connectionSpace, const std::vector<Tag>& tags) {
  Bytes header(128, 0);
  Lmr::test::putU32(header, 8, version);
  std::copy(deviceClass.begin(), deviceClass.end(), header.begin() + 12);
  std::copy(colourSpace.begin(), colourSpace.end(), header.begin() + 16);
  std::copy(connectionSpace.begin(), connectionSpace.end(), header.begin() + 20);
  std::copy_n("acsp", 4, header.begin() + 36);
  Lmr::test::putU32(header, 68, s15Fixed16(0.9642));  // the D50 illuminant
  Lmr::test::putU32(header, 72, s15Fixed16(1.0));
  Lmr::test::putU32(header, 76, s15Fixed16(0.8249));
  Bytes table;
  appendU32(table, static_cast<std::uint32_t>(tags.size()));
  Bytes data;
  const std::size_t dataStart = header.size() + 4 + 12 * tags.size();
  std::uint32_t offset = 0, size = 0;
  for (const Tag& tag : tags) {
    if (!tag.data.empty()) {
      while (data.size() % 4) data.push_back(0);
      offset = static_cast<std::uint32_t>(dataStart + data.size());
      size = static_cast<std::uint32_t>(tag.data.size());
      data.insert(data.end(), tag.data.begin(), tag.data.end());
    }
    appendText(table, tag.signature);
    appendU32(table, offset);
    appendU32(table, size);
  }
  Bytes profile = header;
  profile.insert(profile.end(), table.begin(), table.end());
  profile.insert(profile.end(), data.begin(), data.end());
  Lmr::test::putU32(profile, 0, static_cast<std::uint32_t>(profile.size()));
  return profile;
}

Bytes xyzTag(double x, double y, double z) {
  Bytes tag = tagOfType("XYZ ");
  for (double v : {x, y, z}) appendU32(tag, s15Fixed16(v));
  return tag;
}

// A curve of `count` entries rising by the power `gamma`.
Bytes curvTable(std::size_t count, double gamma) {
  std::vector<std::uint16_t> entries;
  for (std::size_t i = 0; i < count; ++i)
    entries.push_back(static_cast<std::uint16_t>(std::lround(65535.0 * std::pow(double(i) / double(count - 1), gamma))));
  return curvTag(entries);
}

// The colorants of sRGB and of Display P3, adapted to D50.
std::vector<Tag> srgbColorants() {
  return {{"rXYZ", xyzTag(0.4361, 0.2225, 0.0139)},
          {"gXYZ", xyzTag(0.3851, 0.7169, 0.0971)},
          {"bXYZ", xyzTag(0.1431, 0.0606, 0.7141)}};
}
std::vector<Tag> displayP3Colorants() {
  return {{"rXYZ", xyzTag(0.5151, 0.2412, -0.0011)},
          {"gXYZ", xyzTag(0.2920, 0.6922, 0.0419)},
          {"bXYZ", xyzTag(0.1571, 0.0666, 0.7841)}};
}

std::vector<Tag> joined(std::vector<Tag> first, const std::vector<Tag>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

constexpr std::uint32_t version2 = 0x02100000, version4 = 0x04300000;
const std::vector<double> srgbCurve = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};

Bytes v2GammaCurves() {
  return profileOf(version2, "mntr", "RGB ", "XYZ ",
                   joined({{"desc", asciiDescTag("Gamma 2.2 panel")}, {"wtpt", xyzTag(0.9642, 1.0, 0.8249)}},
                          joined(srgbColorants(), {{"rTRC", curvTag({0x0233})}, {"gTRC", {}}, {"bTRC", {}}})));
}

Bytes v2TableCurves() {
  return profileOf(version2, "mntr", "RGB ", "XYZ ",
                   joined({{"desc", asciiDescTag("Measured panel")}},
                          joined(displayP3Colorants(), {{"rTRC", curvTable(1024, 2.2)},
                                                        {"gTRC", curvTable(256, 2.4)},
                                                        {"bTRC", curvTag({})}})));
}

Bytes v4ParametricCurves() {
  return profileOf(version4, "mntr", "RGB ", "XYZ ",
                   joined({{"desc", mlucTag({{"enUS", u"Display P3 panel"}})},
                           {"wtpt", xyzTag(0.9642, 1.0, 0.8249)}},
                          joined(displayP3Colorants(), {{"rTRC", paraTag(3, srgbCurve)},
                                                        {"gTRC", {}},
                                                        {"bTRC", paraTag(4, {2.2, 1, 0, 0.1, 0.05, 0.01, 0.02})}})));
}

Bytes v4ManyLanguages() {
  const Bytes description = mlucTag({{"deDE", u"Anzeige"}, {"frFR", u"\u00C9cran"}, {"jaJP", u"\u753B\u9762"},
                                     {"enUS", u"Panel"}, {"enGB", u"Panel (UK)"}});
  return profileOf(version4, "mntr", "RGB ", "XYZ ",
                   joined({{"desc", description}},
                          joined(srgbColorants(), {{"rTRC", paraTag(0, {2.2})},
                                                   {"gTRC", paraTag(1, {2.0, 1.0, -0.05})},
                                                   {"bTRC", paraTag(2, {2.4, 1.0, -0.02, 0.01})}})));
}

// Lab in and out, as an abstract profile: of another kind, named all the same.
Bytes labToLab() {
  return profileOf(version4, "abst", "Lab ", "Lab ", {{"desc", mlucTag({{"enUS", u"Lab to Lab"}})}});
}

Bytes cutInDescription() {
  Bytes profile = v2GammaCurves();
  profile.resize(128 + 4 + 12 * 8 + 20);
  return profile;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icc_profile_seeds FOLDER\n");
    return 2;
  }
  const std::pair<const char*, Bytes> seeds[] = {
      {"v2_gamma_curves", v2GammaCurves()},       {"v2_table_curves", v2TableCurves()},
      {"v4_parametric_curves", v4ParametricCurves()}, {"v4_many_languages", v4ManyLanguages()},
      {"lab_to_lab", labToLab()},                 {"cut_in_description", cutInDescription()},
  };
  for (const auto& [name, bytes] : seeds) {
    std::ofstream file(std::string(argv[1]) + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", name);
      return 1;
    }
  }
  return 0;
}

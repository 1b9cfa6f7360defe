#include "colour/icc_profile.h"

#include "colour/icc_description.h"

namespace Lmr {
namespace {

constexpr std::uint64_t versionOffset = 8;  // major version in the first byte
constexpr std::uint64_t colourSpaceOffset = 16;
constexpr std::uint64_t connectionSpaceOffset = 20;
constexpr std::uint64_t xyzValuesOffset = 8;  // behind the XYZ type's signature and reserved bytes

bool isMatrixAndCurvesKind(const IccTagTable& tags) {
  const IccBytes header = tags.header();
  const std::uint8_t majorVersion = header[versionOffset];
  return (majorVersion == 2 || majorVersion == 4) &&
         iccU32At(header, colourSpaceOffset) == iccSignature("RGB ") &&
         iccU32At(header, connectionSpaceOffset) == iccSignature("XYZ ");
}

std::optional<Vec3> colorantOf(const IccTagTable& tags, std::string_view signature) {
  const std::optional<IccBytes> tag = tags.tag(iccSignature(signature));
  if (!tag || IccTagTable::typeOf(*tag) != iccSignature("XYZ ")) return std::nullopt;
  Vec3 xyz{};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::optional<double> value = iccS15Fixed16At(*tag, xyzValuesOffset + 4 * i);
    if (!value) return std::nullopt;
    xyz[i] = *value;
  }
  return xyz;
}

// The colorants as the columns of the matrix to the connection space; nothing when one is missing
// or together they cannot be a colour space (zero, or one of them a mix of the other two).
std::optional<Matrix3> matrixOf(const IccTagTable& tags) {
  const std::optional<Vec3> red = colorantOf(tags, "rXYZ");
  const std::optional<Vec3> green = colorantOf(tags, "gXYZ");
  const std::optional<Vec3> blue = colorantOf(tags, "bXYZ");
  if (!red || !green || !blue) return std::nullopt;
  const Matrix3 matrix = fromColumns(*red, *green, *blue);
  if (!inverseOf(matrix)) return std::nullopt;
  return matrix;
}

// The three curves; most profiles point the three tags at one curve, which is then read once.
std::optional<std::array<LinearLevels, 3>> curvesOf(const IccTagTable& tags) {
  const std::optional<IccBytes> curveTags[] = {tags.tag(iccSignature("rTRC")), tags.tag(iccSignature("gTRC")),
                                               tags.tag(iccSignature("bTRC"))};
  std::array<LinearLevels, 3> curves;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    if (!curveTags[i]) return std::nullopt;
    const bool sameAsBefore = i > 0 && curveTags[i]->data() == curveTags[i - 1]->data() &&
                              curveTags[i]->size() == curveTags[i - 1]->size();
    const std::optional<LinearLevels> levels = sameAsBefore ? curves[i - 1] : linearLevelsOf(*curveTags[i]);
    if (!levels) return std::nullopt;
    curves[i] = *levels;
  }
  return curves;
}

std::optional<MatrixProfile> matrixProfileOf(const IccTagTable& tags) {
  if (!tags.whole() || !isMatrixAndCurvesKind(tags)) return std::nullopt;
  const std::optional<Matrix3> matrix = matrixOf(tags);
  const std::optional<std::array<LinearLevels, 3>> curves = curvesOf(tags);
  if (!matrix || !curves) return std::nullopt;
  return MatrixProfile{*curves, *matrix};
}

std::wstring descriptionOf(const IccTagTable& tags) {
  const std::optional<IccBytes> tag = tags.tag(iccSignature("desc"));
  return tag ? profileDescriptionOf(*tag) : std::wstring{};
}

}  // namespace

ProfileReading readIccProfile(IccBytes file) {
  const std::optional<IccTagTable> tags = IccTagTable::of(file);
  if (!tags) return {};
  return {descriptionOf(*tags), matrixProfileOf(*tags)};
}

}  // namespace Lmr

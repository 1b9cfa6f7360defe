#include "colour/tone_curve.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Lmr {
namespace {

constexpr std::uint64_t curveDataOffset = 8;   // behind the type signature and 4 reserved bytes
constexpr std::uint64_t curvEntriesOffset = 12;  // behind the entry count
constexpr std::uint64_t paraParametersOffset = 12;  // behind the function type and 2 reserved bytes

double levelFraction(std::size_t level) { return static_cast<double>(level) / 255.0; }

// Every parametric type as its most general form: Y = (aX + b)^g + e for X >= d, else cX + f.
// The types that have no linear part start at minus infinity, and (aX + b) below 0 counts as 0,
// which is the zero (or the constant c of type 2) those types give below X = -b/a.
struct Parametric {
  double g = 1, a = 1, b = 0, c = 0, d = -std::numeric_limits<double>::infinity(), e = 0, f = 0;

  double valueAt(double x) const {
    if (x < d) return c * x + f;
    return std::pow(std::max(a * x + b, 0.0), g) + e;
  }
};

std::optional<Parametric> parametricFrom(std::uint16_t type, const std::array<double, 7>& p) {
  switch (type) {
    case 0: return Parametric{.g = p[0]};
    case 1: return Parametric{.g = p[0], .a = p[1], .b = p[2]};
    case 2: return Parametric{.g = p[0], .a = p[1], .b = p[2], .e = p[3]};
    case 3: return Parametric{.g = p[0], .a = p[1], .b = p[2], .c = p[3], .d = p[4]};
    case 4: return Parametric{.g = p[0], .a = p[1], .b = p[2], .c = p[3], .d = p[4], .e = p[5], .f = p[6]};
    default: return std::nullopt;
  }
}

std::optional<Parametric> parametricOf(IccBytes tag) {
  constexpr std::size_t parameterCounts[] = {1, 3, 4, 5, 7};
  const std::optional<std::uint16_t> type = iccU16At(tag, curveDataOffset);
  if (!type || *type >= std::size(parameterCounts)) return std::nullopt;
  std::array<double, 7> parameters{};
  for (std::size_t i = 0; i < parameterCounts[*type]; ++i) {
    const std::optional<double> parameter = iccS15Fixed16At(tag, paraParametersOffset + 4 * i);
    if (!parameter) return std::nullopt;
    parameters[i] = *parameter;
  }
  return parametricFrom(*type, parameters);
}

// A table of `count` 16-bit entries spread evenly over [0, 1], already checked to fit in `table`.
double tableValueAt(IccBytes table, std::size_t count, double x) {
  const double position = x * static_cast<double>(count - 1);
  const std::size_t below = std::min(static_cast<std::size_t>(position), count - 2);
  const double low = iccU16At(table, 2 * below).value_or(0);
  const double high = iccU16At(table, 2 * below + 2).value_or(0);
  return (low + (high - low) * (position - static_cast<double>(below))) / 65535.0;
}

template <typename Curve>
std::optional<LinearLevels> levelsThrough(Curve curve) {
  LinearLevels levels;
  for (std::size_t level = 0; level < levels.size(); ++level) {
    const double value = curve(levelFraction(level));
    if (!std::isfinite(value)) return std::nullopt;
    levels[level] = std::clamp(value, 0.0, 1.0);
  }
  return levels;
}

std::optional<LinearLevels> curvLevels(IccBytes tag) {
  const std::optional<std::uint32_t> count = iccU32At(tag, curveDataOffset);
  if (!count) return std::nullopt;
  const std::optional<IccBytes> entries = iccBytesAt(tag, curvEntriesOffset, std::uint64_t{*count} * 2);
  if (!entries) return std::nullopt;
  if (*count == 0) return levelsThrough([](double x) { return x; });
  if (*count == 1) {
    const double gamma = iccU16At(*entries, 0).value_or(0) / 256.0;
    return levelsThrough([gamma](double x) { return std::pow(x, gamma); });
  }
  return levelsThrough([&](double x) { return tableValueAt(*entries, *count, x); });
}

std::optional<LinearLevels> paraLevels(IccBytes tag) {
  const std::optional<Parametric> curve = parametricOf(tag);
  if (!curve) return std::nullopt;
  return levelsThrough([&](double x) { return curve->valueAt(x); });
}

}  // namespace

std::optional<LinearLevels> linearLevelsOf(IccBytes curveTag) {
  const std::uint32_t type = IccTagTable::typeOf(curveTag);
  if (type == iccSignature("curv")) return curvLevels(curveTag);
  if (type == iccSignature("para")) return paraLevels(curveTag);
  return std::nullopt;
}

}  // namespace Lmr

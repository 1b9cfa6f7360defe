#include "colour/colour_matrix.h"

#include <cmath>

namespace Lmr {
namespace {

// The colour matrices of real spaces have determinants of about 0.1 to 10; one this small comes
// from a zero or repeated column.
constexpr double singularDeterminant = 1e-6;

double cofactor(const Matrix3& m, std::size_t row, std::size_t column) {
  const std::size_t r1 = (row + 1) % 3, r2 = (row + 2) % 3;
  const std::size_t c1 = (column + 1) % 3, c2 = (column + 2) % 3;
  return m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1];
}

}  // namespace

Vec3 times(const Matrix3& m, const Vec3& v) {
  Vec3 result{};
  for (std::size_t i = 0; i < 3; ++i) result[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  return result;
}

Matrix3 times(const Matrix3& a, const Matrix3& b) {
  Matrix3 result{};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) result[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
  }
  return result;
}

double determinant(const Matrix3& m) {
  return m[0][0] * cofactor(m, 0, 0) + m[0][1] * cofactor(m, 0, 1) + m[0][2] * cofactor(m, 0, 2);
}

std::optional<Matrix3> inverseOf(const Matrix3& m) {
  const double det = determinant(m);
  if (!std::isfinite(det) || std::abs(det) < singularDeterminant) return std::nullopt;
  Matrix3 inverse{};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) inverse[i][j] = cofactor(m, j, i) / det;
  }
  return inverse;
}

Matrix3 diagonal(const Vec3& v) { return {{{v[0], 0, 0}, {0, v[1], 0}, {0, 0, v[2]}}}; }

Matrix3 fromColumns(const Vec3& a, const Vec3& b, const Vec3& c) {
  return {{{a[0], b[0], c[0]}, {a[1], b[1], c[1]}, {a[2], b[2], c[2]}}};
}

}  // namespace Lmr

#pragma once
// Three-component colour values (XYZ, linear RGB, LMS) and the 3 x 3 matrices that take them from
// one colour space to another, in double precision.
#include <array>
#include <optional>

namespace Lmr {

using Vec3 = std::array<double, 3>;
using Matrix3 = std::array<Vec3, 3>;  // rows

Vec3 times(const Matrix3& m, const Vec3& v);
Matrix3 times(const Matrix3& a, const Matrix3& b);
double determinant(const Matrix3& m);
// Nothing for a matrix too close to singular to be a change of colour space.
std::optional<Matrix3> inverseOf(const Matrix3& m);
Matrix3 diagonal(const Vec3& v);
// The matrix whose columns are a, b and c.
Matrix3 fromColumns(const Vec3& a, const Vec3& b, const Vec3& c);

}  // namespace Lmr

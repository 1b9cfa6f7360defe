#include "pick/fish_eye.h"

#include <algorithm>

namespace Lmr {
namespace {

void setEntry(FishEyeMap& srows, int index, std::int32_t value) {
  if (index >= 0 && index < viewWidth) srows[index] = value;
}

// One ring of the walk: a block of k + 1 entries on each side of the centre, then the grid
// position that closes it on its outer side.
void writeRing(FishEyeMap& srows, int t, int i, int k) {
  const int h = halfViewWidth;
  for (int j = 0; j <= k; ++j) {
    setEntry(srows, h - i - j, h - t);
    setEntry(srows, h + i + j, h + t);
  }
  setEntry(srows, h - (i + k + 1), -(h - t));
  setEntry(srows, h + (i + k + 1), -(h + t));
}

}  // namespace

int clampFishEye(int fishEye) { return std::clamp(fishEye, minFishEye, maxFishEye); }

FishEyeMap computeFishEye(int fishEye) {
  FishEyeMap srows;
  srows.fill(-1);
  int i = 0;
  int k = clampFishEye(fishEye);
  int t = 0;
  do {
    writeRing(srows, t, i, k);
    i += k + 2;
    k = std::max(k - 1, 1);
    ++t;
  } while (i < halfViewWidth);
  srows[halfViewWidth] = halfViewWidth;
  return srows;
}

FishEyeMarkers fishEyeMarkers(int fishEye) {
  const int reach = clampFishEye(fishEye) + 1;
  return {halfViewWidth - reach, halfViewWidth + reach};
}

}  // namespace Lmr

#pragma once
// Pick mode with what it calls, made as the main window makes them, over a recording platform.
#include "colour/colour_history.h"
#include "colour/copy_as.h"
#include "colour/readouts.h"
#include "pick/magnifier.h"
#include "pick/pick_mode.h"
#include "pick/snapshot.h"
#include "../app/fake_platform.h"

namespace Lmr::testing {

struct PickEngine {
  explicit PickEngine(FakePlatform& platform) : fake(platform) {
    hist_frm.load();
    magnifier.load(L"default.png");
  }

  FakePlatform& fake;
  ReadyFlag ready{true};
  History hist_frm{fake.history};
  PickPoint mpt;
  Readouts readouts{fake, fake, fake, fake, hist_frm};
  ColourHistory colourHistory{fake, hist_frm, readouts, ready};
  Snapshot snapshot{fake.snapshot, fake};
  Magnifier magnifier{fake, fake, fake, fake, ready, mpt, readouts, [this] { return pickMode.clickEndsUpdate(); }};
  PickMode pickMode{fake, fake, fake, fake, ready, mpt, magnifier, colourHistory, snapshot, readouts};
  CopyAs copyAs{fake, fake, fake, readouts};
};

}  // namespace Lmr::testing

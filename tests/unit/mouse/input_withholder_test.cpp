#include "mouse/input_withholder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lmr::InputWithholder;
using Lmr::MouseButton;
using Lmr::MouseEvent;
using Lmr::MouseInput;

constexpr MouseEvent move{MouseInput::move};
constexpr MouseEvent wheel{MouseInput::wheel};
constexpr MouseEvent otherInput{MouseInput::other};
constexpr MouseEvent pressLeft{MouseInput::press, MouseButton::left};
constexpr MouseEvent releaseLeft{MouseInput::release, MouseButton::left};
constexpr MouseEvent pressRight{MouseInput::press, MouseButton::right};
constexpr MouseEvent releaseRight{MouseInput::release, MouseButton::right};
constexpr MouseEvent pressMiddle{MouseInput::press, MouseButton::middle};
constexpr MouseEvent releaseMiddle{MouseInput::release, MouseButton::middle};

constexpr bool picking = true, idle = false;
constexpr bool elsewhere = true, ours = false;  // the window under the pointer: another program's, or ours
constexpr bool kept = true, passed = false;
constexpr bool gone = true;  // the window a press went to has left the screen by its release

struct Step {
  MouseEvent event;
  bool monitoring;
  bool overAnotherProgram;
  bool heldBack;
  bool targetGone = false;
};

struct Story {
  const char* name;
  std::vector<Step> steps;
  bool awaitsReleasesAtTheEnd;
};

const std::vector<Story> stories = {
    {"a pick over another program keeps the press, the release and the wheel",
     {{move, picking, elsewhere, passed}, {otherInput, picking, elsewhere, passed}, {wheel, picking, elsewhere, kept},
      {pressLeft, picking, elsewhere, kept}, {releaseLeft, picking, elsewhere, kept}},
     false},
    {"pick mode ends on the press: the release after it is still kept, and then nothing is",
     {{pressLeft, picking, elsewhere, kept}, {move, idle, elsewhere, passed}, {releaseLeft, idle, elsewhere, kept},
      {wheel, idle, elsewhere, passed}, {pressLeft, idle, elsewhere, passed}, {releaseLeft, idle, elsewhere, passed}},
     false},
    {"the program's own windows get everything, but a kept press's release over them",
     {{wheel, picking, ours, passed}, {pressLeft, picking, ours, passed}, {releaseLeft, picking, elsewhere, passed},
      {pressMiddle, picking, elsewhere, kept}, {releaseMiddle, picking, ours, kept}},
     false},
    {"each button keeps its own release",
     {{pressLeft, picking, elsewhere, kept}, {pressRight, picking, ours, passed},
      {releaseRight, idle, elsewhere, passed}, {pressMiddle, picking, elsewhere, kept},
      {releaseLeft, idle, ours, kept}},
     true},
    {"a press on the program's own window that goes with the pick it ends: its release is kept from what lies "
     "beneath, and the worker waits for it",
     {{pressLeft, picking, ours, passed}, {releaseLeft, idle, elsewhere, kept, gone}, {pressRight, picking, ours, passed},
      {releaseRight, picking, elsewhere, passed}, {pressMiddle, picking, ours, passed}},
     true},
    {"a release the hook never saw: the next press passed on starts a whole pair",
     {{pressLeft, picking, elsewhere, kept}, {pressLeft, idle, elsewhere, passed},
      {releaseLeft, idle, elsewhere, passed}},
     false},
};

bool mayLookUp(const Step& step) {
  return (step.monitoring && (step.event.input == MouseInput::press || step.event.input == MouseInput::wheel)) ||
         step.event.input == MouseInput::release;
}

TEST(InputWithholder, KeepsClicksAndWheelStepsFromOtherProgramsOnlyWhilePicking) {
  for (const Story& story : stories) {
    InputWithholder withholder;
    for (std::size_t at = 0; at < story.steps.size(); ++at) {
      const Step& step = story.steps[at];
      int lookups = 0;
      const bool held = withholder.holdsBack(
          step.event, step.monitoring,
          [&] {
            ++lookups;
            return step.overAnotherProgram;
          },
          [&] {
            ++lookups;
            return step.targetGone && step.overAnotherProgram;
          });
      EXPECT_EQ(held, step.heldBack) << story.name << ", step " << at;
      EXPECT_LE(lookups, mayLookUp(step) ? 1 : 0)
          << story.name << ", step " << at
          << ": the window is looked up for a press or wheel step while picking, or a release, only";
    }
    EXPECT_EQ(withholder.awaitsReleases(), story.awaitsReleasesAtTheEnd) << story.name;
  }
}

}  // namespace

// LumarinMouse.dll, loaded the way the program loads it, watching a window of the test's own
// (under Wine a hook sees the mouse only over Wine windows).
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "harness.h"
#include "mouse/mouse_exports.h"
#include "ports/pt_type.h"

namespace {

using e2e::pollUntil;
using e2e::pumpMessagesFor;
using namespace std::chrono_literals;

constexpr auto deadline = 3s;
// How long to watch for a write that must not come: many polling periods of the monitor.
constexpr auto quietPeriod = 300ms;
constexpr RECT targetArea{100, 100, 500, 500};

// The library by full path from the folder of the program's files, never by the search path.
std::wstring libraryPath() {
  std::wstring path = e2e::distFolder();
  if (path.empty()) path = L".";
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + L"LumarinMouse.dll";
}

template <class Function> Function exportOf(HMODULE module, const char* name) {
  // Through void*: the looked-up address has the export's own signature, not FARPROC's.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class MouseLibrary {
 public:
  MouseLibrary() : module_(LoadLibraryW(libraryPath().c_str())) {
    if (module_ == nullptr) return;
    begin = exportOf<Lmr::BeginMonitorMousePositionFn>(module_, "Begin_Monitor_Mouse_Position");
    end = exportOf<Lmr::EndMonitorMousePositionFn>(module_, "End_Monitor_Mouse_Position");
    get = exportOf<Lmr::GetMousePositionFn>(module_, "Get_Mouse_Position");
  }
  MouseLibrary(const MouseLibrary&) = delete;
  MouseLibrary& operator=(const MouseLibrary&) = delete;
  ~MouseLibrary() { unload(); }

  bool complete() const { return begin != nullptr && end != nullptr && get != nullptr; }
  void unload() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
    begin = nullptr;
    end = nullptr;
    get = nullptr;
  }

  Lmr::BeginMonitorMousePositionFn begin = nullptr;
  Lmr::EndMonitorMousePositionFn end = nullptr;
  Lmr::GetMousePositionFn get = nullptr;

 private:
  HMODULE module_;
};

// A plain popup under the pointer, so that hook events reach the monitor under Wine too.
class TargetWindow {
 public:
  TargetWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);  // already registered by an earlier case: fine
    window_ = CreateWindowExW(WS_EX_TOPMOST, className, L"mouse monitor target",
                              WS_POPUP | WS_VISIBLE, targetArea.left, targetArea.top,
                              targetArea.right - targetArea.left,
                              targetArea.bottom - targetArea.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    pumpMessagesFor(50ms);
  }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  bool exists() const { return window_ != nullptr; }

 private:
  static constexpr const wchar_t* className = L"LumarinMouseMonitorTarget";
  HWND window_;
};

void sendMouse(DWORD flags, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  SendInput(1, &input, sizeof(input));
}

void turnWheel(int delta) { sendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta)); }

struct RecordFields {
  std::int32_t x, y, wheel_delta;
  std::uint8_t clicked;
  friend bool operator==(const RecordFields&, const RecordFields&) = default;
};

RecordFields readRecord(pt_type& record) {
  return {Lmr::loadField(record.x), Lmr::loadField(record.y), Lmr::loadField(record.wheel_delta),
          Lmr::loadField(record.clicked)};
}

void fillRecord(pt_type& record, RecordFields fields) {
  Lmr::storeField(record.x, fields.x);
  Lmr::storeField(record.y, fields.y);
  Lmr::storeField(record.wheel_delta, fields.wheel_delta);
  Lmr::storeField(record.clicked, fields.clicked);
}

bool reachesWheel(pt_type& record, int steps) {
  return pollUntil([&] { return Lmr::loadField(record.wheel_delta) == steps; }, deadline);
}

// Moves the pointer to a point and waits until the monitor has written it.
bool movePointerTo(pt_type& record, int x, int y) {
  SetCursorPos(x, y);
  return pollUntil([&] { return Lmr::loadField(record.x) == x && Lmr::loadField(record.y) == y; },
                   deadline);
}

// Every kind of input the monitor reacts to, for checking that none of it is written.
void stirEverything() {
  SetCursorPos(420, 430);
  turnWheel(WHEEL_DELTA);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  sendMouse(MOUSEEVENTF_LEFTUP);
  SetCursorPos(180, 170);
  pumpMessagesFor(quietPeriod);
}

class MouseMonitorTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.complete()) << "LumarinMouse.dll with its three exports, from LUMARIN_DIST";
    ASSERT_TRUE(target.exists());
    SetCursorPos(300, 300);
  }
  void TearDown() override {
    if (library.complete()) library.end();
  }

  MouseLibrary library;
  TargetWindow target;
  pt_type record{};
};

TEST_F(MouseMonitorTest, FollowsThePointerAndWritesNothingElseForMoves) {
  ASSERT_EQ(library.begin(&record), 1);
  EXPECT_TRUE(movePointerTo(record, 200, 250));
  EXPECT_TRUE(movePointerTo(record, 450, 130));
  EXPECT_TRUE(movePointerTo(record, 101, 499));
  EXPECT_TRUE(movePointerTo(record, 900, 800)) << "outside the test's window too";
  EXPECT_EQ(Lmr::loadField(record.wheel_delta), 0);
  EXPECT_EQ(Lmr::loadField(record.clicked), 0);
  EXPECT_EQ(library.get(), &record);
}

TEST_F(MouseMonitorTest, StartsWithWhereThePointerIsAtRest) {
  record.x = record.y = -7;
  ASSERT_EQ(library.begin(&record), 1);
  EXPECT_EQ(Lmr::loadField(record.x), 300);
  EXPECT_EQ(Lmr::loadField(record.y), 300);
}

// The program moves the pick point itself (arrow keys); a pointer at rest must not undo that.
TEST_F(MouseMonitorTest, LeavesTheProgramsOwnPositionWhileThePointerRests) {
  ASSERT_EQ(library.begin(&record), 1);
  ASSERT_TRUE(movePointerTo(record, 240, 260));
  Lmr::storeField(record.x, std::int32_t{239});
  Lmr::storeField(record.y, std::int32_t{261});
  SetCursorPos(240, 260);  // the same place again: no movement
  pumpMessagesFor(quietPeriod);
  EXPECT_EQ(Lmr::loadField(record.x), 239);
  EXPECT_EQ(Lmr::loadField(record.y), 261);
  EXPECT_TRUE(movePointerTo(record, 250, 260)) << "a real move is followed again";
}

TEST_F(MouseMonitorTest, AddsOneStepPerWheelNotchAwayFromTheUser) {
  ASSERT_EQ(library.begin(&record), 1);
  turnWheel(WHEEL_DELTA);
  turnWheel(WHEEL_DELTA);
  EXPECT_TRUE(reachesWheel(record, 2));
  turnWheel(-WHEEL_DELTA);
  EXPECT_TRUE(reachesWheel(record, 1));
  Lmr::takeWheelSteps(record);  // as the program's periodic update does
  turnWheel(-3 * WHEEL_DELTA);
  EXPECT_TRUE(reachesWheel(record, -3));
}

// Fine-grained wheels report fractions of a notch; together they make whole steps.
TEST_F(MouseMonitorTest, GathersFractionsOfANotchIntoSteps) {
  ASSERT_EQ(library.begin(&record), 1);
  turnWheel(WHEEL_DELTA / 2);
  pumpMessagesFor(quietPeriod);
  EXPECT_EQ(Lmr::loadField(record.wheel_delta), 0);
  turnWheel(WHEEL_DELTA / 2 + WHEEL_DELTA / 4);
  EXPECT_TRUE(reachesWheel(record, 1));
  turnWheel(WHEEL_DELTA / 4);
  turnWheel(WHEEL_DELTA / 2);
  EXPECT_TRUE(reachesWheel(record, 2)) << "the quarter left over counts towards the next step";
}

TEST_F(MouseMonitorTest, LeftRightAndMiddlePressesSetTheClickFlag) {
  ASSERT_EQ(library.begin(&record), 1);
  const DWORD presses[][2] = {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                              {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                              {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}};
  for (const auto& press : presses) {
    Lmr::storeField(record.clicked, std::uint8_t{0});
    sendMouse(press[0]);
    sendMouse(press[1]);
    EXPECT_TRUE(pollUntil([&] { return Lmr::loadField(record.clicked) == 1; }, deadline))
        << "button flags " << press[0];
  }
}

TEST_F(MouseMonitorTest, WritesNothingOnceEnded) {
  ASSERT_EQ(library.begin(&record), 1);
  ASSERT_TRUE(movePointerTo(record, 210, 220));
  library.end();
  const RecordFields marker{-7, -8, 99, 0};
  fillRecord(record, marker);
  stirEverything();
  EXPECT_EQ(readRecord(record), marker);
}

// A second Begin moves to the new record; the old one is left alone from then on.
TEST_F(MouseMonitorTest, BeginWhileRunningSwitchesToTheNewRecord) {
  pt_type second{};
  ASSERT_EQ(library.begin(&record), 1);
  ASSERT_TRUE(movePointerTo(record, 230, 240));
  ASSERT_EQ(library.begin(&second), 1);
  EXPECT_EQ(library.get(), &second);
  const RecordFields marker{-1, -2, 0, 0};
  fillRecord(record, marker);
  EXPECT_TRUE(movePointerTo(second, 330, 340));
  turnWheel(WHEEL_DELTA);
  EXPECT_TRUE(reachesWheel(second, 1));
  EXPECT_EQ(readRecord(record), marker);
}

TEST_F(MouseMonitorTest, StrayAndRepeatedCallsAreHarmless) {
  EXPECT_NO_FATAL_FAILURE(library.end());  // before any Begin
  EXPECT_EQ(library.begin(nullptr), 0);
  ASSERT_EQ(library.begin(&record), 1);
  EXPECT_EQ(library.begin(nullptr), 0) << "a null record leaves the running monitor alone";
  EXPECT_EQ(library.get(), &record);
  EXPECT_TRUE(movePointerTo(record, 260, 270));
  library.end();
  library.end();
  EXPECT_EQ(library.get(), &record);
  ASSERT_EQ(library.begin(&record), 1) << "starts again after End";
  EXPECT_TRUE(movePointerTo(record, 280, 290));
}

// Unloading the library while it runs must not pull the code from under its thread.
TEST_F(MouseMonitorTest, SurvivesBeingUnloadedWhileRunning) {
  ASSERT_EQ(library.begin(&record), 1);
  library.unload();
  EXPECT_TRUE(movePointerTo(record, 310, 320));
  MouseLibrary again;
  ASSERT_TRUE(again.complete());
  again.end();
  const RecordFields marker{1, 2, 3, 0};
  fillRecord(record, marker);
  stirEverything();
  EXPECT_EQ(readRecord(record), marker);
}

}  // namespace

#pragma once
// A platform that records what the program asks of it, in order, and holds the state of the
// window's fields, swatches and dialogs in memory.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "ports/platform.h"
#include "colour/history.h"
#include "pick/capture_geometry.h"

namespace Lmr::testing {

// A dialog has no message for its handlers as it goes, but one still holding them (or a monitor
// still filling its record) when it ends would reach them later in a real process: end the run
// there, saying which.
inline void failIfHeld(const void* handlers, const char* dialog) {
  if (!handlers) return;
  std::fprintf(stderr, "%s still holds what it reports to as it ends\n", dialog);
  std::abort();
}

// The history dialog: its list, selection and two colour panels; `onShown` plays the user's part
// while it is open.
struct FakeHistoryDialog : HistoryDialogPort {
  explicit FakeHistoryDialog(std::vector<std::string>& callLog) : calls(callLog) {}
  std::vector<std::string>& calls;
  std::vector<std::wstring> entries;
  std::optional<std::size_t> selected;
  Argb preview = 0xFFF0F0F0, prevClr = 0;
  bool open = false;
  std::function<void(HistoryDialogEvents&)> onShown;
  HistoryDialogEvents* handlers = nullptr;

  // A dialog destroyed with the process must have been let go of by the object it reported to.
  ~FakeHistoryDialog() override { failIfHeld(handlers, "the history dialog"); }

  void build(HistoryDialogEvents& dialogHandlers) override {
    calls.push_back("build history");
    handlers = &dialogHandlers;
  }
  void detachHandlers() override { handlers = nullptr; }
  std::size_t entryCount() override { return entries.size(); }
  std::wstring entry(std::size_t index) override { return entries.at(index); }
  void insertFirst(std::wstring_view text) override {
    entries.insert(entries.begin(), std::wstring(text));
    if (selected) ++*selected;
  }
  std::optional<std::size_t> selectedIndex() override { return selected; }
  void select(std::size_t index) override { selected = index; }
  Argb previewColour() override { return preview; }
  void setPreviewColour(Argb colour) override { preview = colour; }
  Argb prevClrColour() override { return prevClr; }
  void setPrevClrColour(Argb colour) override { prevClr = colour; }
  void showModal() override {
    calls.push_back("history shown");
    open = true;
    handlers->History_Shown();
    if (onShown) onShown(*handlers);
    open = false;
  }
  void close() override { calls.push_back("history closed"); }
};

// The snapshot window over a virtual screen with a monitor left of the primary one.
struct FakeSnapshotWindow : SnapshotPort {
  explicit FakeSnapshotWindow(std::vector<std::string>& callLog) : calls(callLog) {}
  std::vector<std::string>& calls;
  bool captures = true;
  Rect32 virtualScreen{-1920, 0, 3200, 1080};
  Rect32 placedAt{};

  void create() override { calls.push_back("snapshot create"); }
  void hide() override { calls.push_back("snapshot hide"); }
  bool captureScreen() override {
    calls.push_back("snapshot capture");
    return captures;
  }
  Rect32 screenRect() override { return virtualScreen; }
  void show() override { calls.push_back("snapshot show"); }
  void moveTo(const Rect32& area) override {
    calls.push_back("snapshot move");
    placedAt = area;
  }
  void drawPicture() override { calls.push_back("snapshot draw"); }
};

// The main window and the options dialog are one fake below; each lets go of its own handlers.
struct FakeMainWindowSide : MainWindowPort {
  void detachHandlers() override { detachWindowHandlers(); }
  virtual void detachWindowHandlers() = 0;
};
struct FakeOptionsDialogSide : OptionsDialogPort {
  void detachHandlers() override { detachOptionsHandlers(); }
  virtual void detachOptionsHandlers() = 0;
};

struct FakePlatform : ProcessPort, SettingsPort, MouseMonitorPort, FakeMainWindowSide, MagnifierPort, ClipboardPort,
                      ColourChooserPort, FakeOptionsDialogSide, ScreenPort, TrayPort, LiveSettings,
                      MonitorProfilePort {
  std::vector<std::string> calls;
  std::vector<std::wstring> messages;
  std::set<std::wstring> missingFiles;
  bool markerExists = false;
  bool mouseLoads = true;
  int panelWidth = 299;
  int drawnOffset = -1;

  // Settings store: absent key unless values are put in.
  bool keyExists = false;
  std::map<std::wstring, StoredValue> stored;
  std::vector<std::pair<std::wstring, std::uint32_t>> writes;
  std::set<std::wstring> unwritable;  // names whose writes fail and change nothing

  // Window state.
  std::map<ui::ControlId, std::wstring> texts;
  std::map<ui::ControlId, TextSelection> selections;
  std::map<ui::ControlId, Argb> swatches{{ui::ControlId::color_current, 0xFFFFFFFF},
                                         {ui::ControlId::color_previous, 0xFFFFFFFF}};
  std::vector<ui::ControlId> textWrites;
  ui::ControlId focused{};
  wchar_t separator = L'.';
  Rect32 window{0, 0, 314, 580};
  int fishEyeShown = 7;

  // Clipboard, colour chooser and options dialog.
  std::vector<std::wstring> clipboardTexts;
  std::optional<Argb> chooserAnswer;
  Argb chooserPreset = 0;
  std::map<Setting, bool> checks;
  std::wstring aboutText;
  std::vector<std::wstring> openedPages;
  std::vector<std::wstring> notices;  // message boxes over the options dialog, "caption: text"

  // Screen: a capture that fails unless `captureWorks`, corrects its centre against `screen` and
  // serves `captured`; views are rendered into `view` (both viewWidth x viewWidth, row by row).
  bool captureWorks = false;
  Rect32 screen{0, 0, 1920, 1080};
  std::vector<Point32> captureCentres;  // as asked for
  std::function<void()> whileCapturing;  // e.g. the mouse monitor moving the pick point meanwhile
  std::vector<std::uint32_t> captured = std::vector<std::uint32_t>(std::size_t(viewWidth) * viewWidth);
  std::vector<std::uint32_t> view = std::vector<std::uint32_t>(std::size_t(viewWidth) * viewWidth);
  std::function<void()> onPresent;

  // Pick mode: the window's timer and what the monitor is asked.
  bool commandKeyTaken = false;
  std::uint32_t nextTimerId = 41;
  std::vector<std::uint32_t> runningTimers;
  std::function<void()> onBegin;
  int clientWide = 300;
  bool shown = false;
  int trayRefusals = 0;  // adds of the tray icon refused before one is taken
  std::function<void()> onLoop;  // what happens while the message loop runs
  bool optionsVisible = false;
  bool tooltipsOn = true;
  std::vector<ui::ControlId> valueChanges;  // announced, in order

  // Popup menus of the window: the last one's lines ("-" before a disabled one) and place, and
  // the user's answer.
  std::vector<std::wstring> popupLines;
  Point32 popupAt{};
  std::optional<std::size_t> popupChoice;

  // Monitor profiles: a monitor left of x = 0 and the primary one, each with its profile file or
  // none; the files' bytes by path (a path not there cannot be read), and every read asked for.
  std::optional<ProfileFile> leftProfile, primaryProfile;
  std::map<std::wstring, std::vector<std::uint8_t>> profileBytes;
  std::vector<std::wstring> profileReads;
  int profileLookups = 0;

  // Tray and snapshot window.
  std::vector<std::wstring> menuTexts;
  std::vector<std::uint16_t> menuCommands;
  FakeSnapshotWindow snapshot{calls};

  FakeHistoryDialog history{calls};

  // The handlers the main window and the options dialog report to, while they hold them.
  MainWindowEvents* windowHandlers = nullptr;
  OptionsDialogEvents* optionsHandlers = nullptr;
  pt_type* monitored = nullptr;  // the record the monitor fills, from begin to end

  // As Windows does when the process's window objects are destroyed: the main window's last
  // messages go, synchronously, to whatever handler it still holds.
  ~FakePlatform() override {
    if (windowHandlers)
      for (const std::uint32_t destroyTime : {0x06u /*activate*/, 0x08u /*kill focus*/, 0x02u /*destroy*/, 0x82u /*nc destroy*/})
        windowHandlers->WndProc(destroyTime, 0, 0);
    failIfHeld(optionsHandlers, "the options dialog");
    // A real monitor would go on writing into a record that has ended with the program.
    failIfHeld(monitored, "the mouse monitor");
  }

  void log(std::string what) { calls.push_back(std::move(what)); }

  bool createInstanceMarker(std::wstring_view) override {
    log("create marker");
    return !markerExists;
  }
  void bringWindowForward(std::wstring_view) override { log("bring forward"); }
  void handPickRequest(std::wstring_view) override { log("hand pick request"); }
  std::uint32_t pickRequestMessage() override { return 0xC456; }
  void enterProgramDirectory() override { log("enter program directory"); }
  bool fileExists(std::wstring_view name) override {
    log("exists " + std::string(name.begin(), name.end()));
    return !missingFiles.count(std::wstring(name));
  }
  void showMessage(std::wstring_view text, std::wstring_view) override {
    log("message");
    messages.emplace_back(text);
  }
  void sleepFor(int milliseconds) override { log("sleep " + std::to_string(milliseconds)); }
  void quit() override { log("quit"); }

  void deleteSettings() override { log("delete settings"); }
  SettingsRead readValue(std::wstring_view name) override {
    const auto found = stored.find(std::wstring(name));
    if (!keyExists) return {};
    if (found == stored.end()) return {true, std::nullopt};
    return {true, found->second};
  }
  bool writeDword(std::wstring_view name, std::uint32_t value) override {
    if (unwritable.count(std::wstring(name))) return false;
    keyExists = true;
    stored[std::wstring(name)] = {StoredValue::Kind::Number, value, {}};
    writes.emplace_back(name, value);
    return true;
  }

  bool load() override { log("load mouse"); return mouseLoads; }
  int begin(pt_type* record) override {
    log("begin");
    monitored = record;
    if (onBegin) onBegin();
    return 1;
  }
  int end() override {
    log("end");
    monitored = nullptr;
    return 1;
  }

  void buildControls(MainWindowEvents& handlers) override {
    log("build controls");
    windowHandlers = &handlers;
  }
  void detachWindowHandlers() override { windowHandlers = nullptr; }
  void setTitle(std::wstring_view) override { log("title"); }
  void loadIcon(std::wstring_view) override { log("icon"); }
  void setTopmost(bool on) override { log(on ? "topmost" : "not topmost"); }
  int pickZoomWidth() override { return panelWidth; }
  void show() override {
    log("show");
    shown = true;
  }
  void runMessageLoop() override {
    log("loop");
    if (onLoop) onLoop();
  }
  std::wstring text(ui::ControlId field) override { return texts[field]; }
  void setText(ui::ControlId field, std::wstring_view text) override {
    texts[field] = text;
    textWrites.push_back(field);
  }
  TextSelection selection(ui::ControlId field) override { return selections[field]; }
  void select(ui::ControlId field, TextSelection range) override { selections[field] = range; }
  void focus(ui::ControlId control) override { focused = control; }
  wchar_t decimalSeparator() override { return separator; }
  Argb swatchColour(ui::ControlId swatch) override { return swatches[swatch]; }
  void setSwatchColour(ui::ControlId swatch, Argb colour) override { swatches[swatch] = colour; }
  Rect32 windowRect() override { return window; }
  void setFishEyeValue(int value) override { fishEyeShown = value; }
  bool defaultCommandKey(std::int32_t) override { return commandKeyTaken; }
  void restore() override {
    log("restore");
    shown = true;
  }
  void hide() override {
    log("hide");
    shown = false;
  }
  void minimize() override { log("minimize"); }
  int clientWidth() override { return clientWide; }
  bool isShown() override { return shown; }
  void activate() override { log("activate"); }
  void bringToForeground() override { log("foreground"); }
  std::uint32_t startTimer(WindowTimer, std::uint32_t periodMs) override {
    log("timer " + std::to_string(periodMs));
    runningTimers.push_back(nextTimerId);
    return nextTimerId++;
  }
  void stopTimer(std::uint32_t id) override {
    log("stop timer");
    std::erase(runningTimers, id);
  }
  void showTooltips(bool on) override { tooltipsOn = on; }
  void announceValueChange(ui::ControlId control) override { valueChanges.push_back(control); }
  std::optional<std::size_t> chooseFromMenu(std::span<const MenuLine> lines, Point32 at) override {
    popupLines.clear();
    for (const MenuLine& line : lines) popupLines.push_back((line.enabled ? L"" : L"-") + std::wstring(line.text));
    popupAt = at;
    return popupChoice;
  }

  std::optional<ProfileFile> profileFileAt(Point32 point) override {
    ++profileLookups;
    return point.x < 0 ? leftProfile : primaryProfile;
  }
  std::optional<std::vector<std::uint8_t>> readProfileFile(const std::wstring& path, std::size_t largest) override {
    profileReads.push_back(path);
    const auto file = profileBytes.find(path);
    if (file == profileBytes.end() || file->second.size() > largest) return std::nullopt;
    return file->second;
  }

  void loadIdlePicture(std::wstring_view) override { log("idle picture"); }
  void attachToPanel() override { log("attach panel"); }
  void drawLastView(int offset) override { log("draw last view"); drawnOffset = offset; }
  BgrxView viewBuffer() override {
    return {reinterpret_cast<std::uint8_t*>(view.data()), viewWidth, viewWidth, viewWidth * 4};
  }
  void presentView(int) override {
    log("present view");
    if (onPresent) onPresent();
  }

  void putText(std::wstring_view text) override { clipboardTexts.emplace_back(text); }
  std::optional<Argb> choose(Argb initial) override {
    chooserPreset = initial;
    return chooserAnswer;
  }

  void build(OptionsDialogEvents& handlers) override {
    log("build options");
    optionsHandlers = &handlers;
  }
  void detachOptionsHandlers() override { optionsHandlers = nullptr; }
  void setAboutText(std::wstring_view text) override { aboutText = text; }
  bool isChecked(Setting setting) override { return checks[setting]; }
  // The settings as a subsystem built without the options dialog reads them: its boxes.
  bool isOn(Setting setting) const override { return checks.count(setting) && checks.at(setting); }
  void setChecked(Setting setting, bool checked) override { checks[setting] = checked; }
  bool visible() override { return optionsVisible; }
  void showModal() override { log("options shown"); }
  void close() override { log("options closed"); }
  void focus() override {}
  void showNotice(std::wstring_view text, std::wstring_view caption) override {
    log("options notice");
    notices.emplace_back(std::wstring(caption) + L": " + std::wstring(text));
  }
  void openWebPage(std::wstring_view address) override { openedPages.emplace_back(address); }

  bool captureRegion(Point32& centre, std::int32_t) override {
    log("capture");
    captureCentres.push_back(centre);
    if (whileCapturing) whileCapturing();
    centre = correctCaptureCentre(centre, screen);
    return captureWorks;
  }
  ConstBgrxView capturedPixels() override {
    return {reinterpret_cast<const std::uint8_t*>(captured.data()), viewWidth, viewWidth, viewWidth * 4};
  }

  bool addIcon() override {
    log("add icon");
    return trayRefusals-- <= 0;
  }
  void removeIcon() override { log("remove icon"); }
  void openMenu(std::span<const TrayMenuItem> items) override {
    log("menu");
    menuTexts.clear();
    menuCommands.clear();
    for (const auto& item : items) {
      menuTexts.emplace_back(item.text);
      menuCommands.push_back(item.command);
    }
  }
  std::uint32_t trayRestartedMessage() override { return 0xC123; }

  Platform platform() {
    return {*this, *this, *this, *this, *this, *this, *this, *this, *this, history, *this, snapshot, *this};
  }
};

}  // namespace Lmr::testing

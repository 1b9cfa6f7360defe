#pragma once
#include <cstdint>
#include <string_view>

namespace Lmr {

// Process-level services: the single-instance marker, files, messages and short waits.
class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Creates the named object and holds it until the process ends, in one step that no other start
  // can come between. False when it already existed: another instance is running. A marker that
  // cannot be made at all counts as made (start-up goes on as a first instance).
  virtual bool createInstanceMarker(std::wstring_view name) = 0;
  // Finds the program's main window (its window class) by its title; restores (also from hidden), activates, brings it to
  // the foreground and repaints it. Nothing happens when there is none.
  virtual void bringWindowForward(std::wstring_view title) = 0;
  // Hands the running program's main window, found the same way, the request to start pick mode.
  // Nothing happens when there is none.
  virtual void handPickRequest(std::wstring_view title) = 0;
  // The message that request arrives as: one of the program's own, which no other window takes.
  virtual std::uint32_t pickRequestMessage() = 0;
  virtual void enterProgramDirectory() = 0;
  virtual bool fileExists(std::wstring_view name) = 0;
  virtual void showMessage(std::wstring_view text, std::wstring_view caption) = 0;
  // Ends the main message loop, and with it the program, with exit code 0.
  virtual void quit() = 0;
  // Waits `milliseconds` on the calling thread; 0 only gives the processor away once.
  virtual void sleepFor(int milliseconds) = 0;
};

}  // namespace Lmr

#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace Lmr {

struct TrayMenuItem {
  std::wstring_view text;
  std::uint16_t command;
};

// The program's icon in the notification area (the tray).
class TrayPort {
 public:
  virtual ~TrayPort() = default;
  // Adds the icon: identifier 100, mouse input reported to the main window as message 1224, the
  // main window's icon, no tip. False when the tray did not take it (not ready yet at sign-in).
  virtual bool addIcon() = 0;
  virtual void removeIcon() = 0;
  // Opens a menu of `items` at the pointer; a chosen item arrives later as a command message
  // with its identifier. The menu is gone when this returns.
  virtual void openMenu(std::span<const TrayMenuItem> items) = 0;
  // The message the system sends every top-level window when its tray (re)starts.
  virtual std::uint32_t trayRestartedMessage() = 0;
};

}  // namespace Lmr

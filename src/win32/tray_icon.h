#pragma once
// The program's icon in the notification area and its menu.
#include <windows.h>

#include <shellapi.h>

#include "ports/tray_port.h"
#include "win32/handles.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

class TrayIcon final : public TrayPort {
 public:
  explicit TrayIcon(const MainWindow& owner) : owner_(owner) {}
  bool addIcon() override;
  void removeIcon() override;
  void openMenu(std::span<const TrayMenuItem> items) override;
  std::uint32_t trayRestartedMessage() override;

 private:
  const MainWindow& owner_;
  NOTIFYICONDATAW niData{};
  Icon icon_;  // the tray's size at the system's dpi; empty where the file could not be read
};

}  // namespace Lmr::win32

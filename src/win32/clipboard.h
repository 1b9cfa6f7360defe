#pragma once
#include <windows.h>

#include "ports/clipboard_port.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

class Clipboard final : public ClipboardPort {
 public:
  explicit Clipboard(const MainWindow& owner) : owner_(owner) {}
  void putText(std::wstring_view text) override;

 private:
  const MainWindow& owner_;
};

}  // namespace Lmr::win32

#pragma once
#include <windows.h>

#include "ports/clipboard_port.h"

namespace Lmr::win32 {

class Clipboard final : public ClipboardPort {
 public:
  explicit Clipboard(const HWND& owner) : owner_(owner) {}
  void putText(std::wstring_view text) override;

 private:
  const HWND& owner_;
};

}  // namespace Lmr::win32

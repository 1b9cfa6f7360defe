#pragma once
#include <string_view>

namespace Lmr {

// The system clipboard.
class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // Places plain text on the clipboard; it stays there after the program ends.
  virtual void putText(std::wstring_view text) = 0;
};

}  // namespace Lmr

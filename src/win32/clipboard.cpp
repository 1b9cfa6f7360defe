#include "win32/clipboard.h"

#include <cstring>

namespace Lmr::win32 {
namespace {

// Another program may hold the clipboard for a moment; try again briefly before giving up.
bool openClipboard(HWND owner) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

void Clipboard::putText(std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return;
  if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory);
  }
  if (!openClipboard(owner_.handle())) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  // Once the clipboard takes the memory it owns it, and the text outlives the program.
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

}  // namespace Lmr::win32

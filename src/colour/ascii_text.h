#pragma once
// Builds a short ASCII text on the stack; widened only when handed out, so building a readout
// costs no allocation beyond the target string's own. Numbers are written by std::to_chars, which
// follows no locale: a fixed-point number always has '.' unless the caller asks for another
// separator when widening. A part that does not fit is cut off, never written past the end.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace Lmr {

class AsciiText {
 public:
  AsciiText& operator<<(std::string_view part) {
    const std::size_t room = static_cast<std::size_t>(std::end(chars_) - end_);
    end_ = std::copy_n(part.begin(), std::min(part.size(), room), end_);
    return *this;
  }
  AsciiText& operator<<(int value) { return written(std::to_chars(end_, std::end(chars_), value)); }
  // General format with at most seven significant digits, no trailing zeros.
  AsciiText& operator<<(float value) {
    return written(std::to_chars(end_, std::end(chars_), value, std::chars_format::general, 7));
  }
  // Exactly `decimals` digits after the point.
  AsciiText& fixed(double value, int decimals) {
    return written(std::to_chars(end_, std::end(chars_), value, std::chars_format::fixed, decimals));
  }
  AsciiText& hexByte(std::uint8_t value) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const char pair[] = {digits[value >> 4], digits[value & 0xF]};
    return *this << std::string_view(pair, 2);
  }
  void assignTo(std::wstring& text, wchar_t decimalSeparator = L'.') const {
    const char* last = end_;
    text.resize(static_cast<std::size_t>(last - chars_));
    std::transform(chars_, last, text.begin(), [decimalSeparator](char c) {
      return c == '.' ? decimalSeparator : static_cast<wchar_t>(c);
    });
  }
  std::wstring wide() const {
    std::wstring text;
    assignTo(text);
    return text;
  }

 private:
  // A number that does not fit leaves the text as it was.
  AsciiText& written(std::to_chars_result result) {
    if (result.ec == std::errc{}) end_ = result.ptr;
    return *this;
  }

  char chars_[96];
  char* end_ = chars_;
};

}  // namespace Lmr

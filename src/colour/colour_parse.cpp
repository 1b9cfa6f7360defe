#include "colour/colour_parse.h"

#include <array>

namespace Lmr {
namespace {

constexpr int notHexDigit = -1;

// Only ASCII letters can upper-case into the digit table, so ASCII folding is enough here.
int hexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return notHexDigit;
}

bool equalsIgnoringAsciiCase(wchar_t c, wchar_t upper) {
  return c == upper || (upper >= L'A' && upper <= L'Z' && c == upper - L'A' + L'a');
}

std::wstring_view withoutHexPrefix(std::wstring_view text) {
  if (!text.empty() && equalsIgnoringAsciiCase(text[0], L'H')) return text.substr(1);
  if (text.size() >= 2 && text[0] == L'0' && equalsIgnoringAsciiCase(text[1], L'X')) {
    return text.substr(2);
  }
  return text;
}

bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The channels named by the digit runs of an rgb entry, each run's value modulo 256.
class DigitRuns {
 public:
  // False once a fourth run starts: the entry can no longer be a colour.
  bool add(wchar_t c) {
    if (!isAsciiDigit(c)) {
      inRun_ = false;
      return true;
    }
    if (!inRun_) {
      if (count_ == channels_.size()) return false;
      inRun_ = true;
      ++count_;
    }
    unsigned& channel = channels_[count_ - 1];
    channel = (channel * 10 + static_cast<unsigned>(c - L'0')) % 256;
    return true;
  }
  std::optional<Argb> colour() const {
    if (count_ != channels_.size()) return std::nullopt;
    return opaqueArgb(static_cast<std::uint8_t>(channels_[0]), static_cast<std::uint8_t>(channels_[1]),
                      static_cast<std::uint8_t>(channels_[2]));
  }

 private:
  std::array<unsigned, 3> channels_{};
  std::size_t count_ = 0;
  bool inRun_ = false;
};

}  // namespace

std::int32_t hexstr2num(std::wstring_view text) {
  const std::wstring_view digits = withoutHexPrefix(text);
  if (digits.empty()) return 0;
  std::uint32_t value = 0;  // unsigned, so that long texts wrap instead of overflowing
  for (wchar_t c : digits) {
    const int digit = hexDigitValue(c);
    if (digit == notHexDigit) return 0;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

std::optional<Argb> parseHexEntry(std::wstring_view text) {
  if (!text.empty() && text.front() == L'#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  const auto pair = [text](std::size_t first) {
    return static_cast<std::uint8_t>(hexstr2num(text.substr(first, 2)));
  };
  return opaqueArgb(pair(0), pair(2), pair(4));
}

std::optional<Argb> parseRgbEntry(std::wstring_view text) {
  DigitRuns runs;
  for (wchar_t c : text) {
    if (!runs.add(c)) return std::nullopt;
  }
  return runs.colour();
}

std::optional<Argb> parseHistoryEntry(std::wstring_view text) {
  if (text.size() < 7 || text[0] != L'#') return std::nullopt;
  std::array<std::uint8_t, 3> channels{};
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int high = hexDigitValue(text[1 + 2 * i]), low = hexDigitValue(text[2 + 2 * i]);
    if (high == notHexDigit || low == notHexDigit) return std::nullopt;
    channels[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return opaqueArgb(channels[0], channels[1], channels[2]);
}

}  // namespace Lmr

#include "colour/copy_as_menu.h"

#include "colour/converted_colour.h"
#include "colour/copy_as_texts.h"

namespace Lmr {
namespace {

constexpr std::wstring_view profilePrefix = L"Monitor profile: ";

// Windows menus take "&" as the mark of the access key; "&&" shows one "&".
std::wstring shownInMenu(std::wstring_view text) {
  std::wstring shown;
  for (wchar_t c : text) {
    if (c == L'&') shown += L'&';
    shown += c;
  }
  return shown;
}

std::wstring profileNameOf(const ProfileReading& profile) {
  return profile.description.empty() ? L"unnamed" : shownInMenu(profile.description);
}

std::wstring profileLineFor(const ProfileReading* profile, bool fromScreen) {
  std::wstring line(profilePrefix);
  if (!fromScreen) return line + L"not applied (an sRGB colour)";
  if (!profile) return line + L"none (sRGB)";
  line += profileNameOf(*profile);
  if (!profile->matrix) line += L" (not supported: the screen's own values)";
  return line;
}

CopyAsItem itemOf(std::wstring_view name, const std::wstring& text, bool outsideSrgb) {
  std::wstring label = std::wstring(name) + L": " + text;
  if (outsideSrgb) label += L" (outside sRGB)";
  return {label, text};
}

const MatrixProfile* profileApplied(const ProfileReading* profile, bool fromScreen) {
  return fromScreen && profile && profile->matrix ? &*profile->matrix : nullptr;
}

}  // namespace

CopyAsMenu copyAsMenuFor(const ProfileReading* profile, Argb colour, bool fromScreen) {
  const CopyAsTexts texts = copyAsTextsOf(convertedColour(colour, profileApplied(profile, fromScreen)));
  return {profileLineFor(profile, fromScreen),
          {itemOf(L"&Hex", texts.hex, texts.outsideSrgb), itemOf(L"&RGB", texts.rgb, texts.outsideSrgb),
           itemOf(L"Display &P3", texts.displayP3, false), itemOf(L"&OKLCH", texts.oklch, false)}};
}

}  // namespace Lmr

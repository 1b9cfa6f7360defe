#include "app/options.h"

#include <string>

#include "app/product.h"
#include "app/settings.h"

namespace Lmr {

void Options::load() {
  dialog_.build(*this);
  dialog_.setAboutText(std::wstring(makerName) + L" " + std::wstring(productVersion));
  // The key is made once, marked by its unnamed value; an existing key without it is left alone.
  if (!store_.readValue(L"").keyExists) store_.writeDword(L"", 1);
  for (const auto& spec : settingSpecs)
    dialog_.setChecked(spec.setting, settingIsOn(store_.readValue(spec.valueName), spec.defaultOn));
  loaded_ = true;
}

// A store the user may not change must not look saved: the user is told, and the boxes, the live
// settings, keep the choices for this run.
void Options::ok_btn_Click() {
  bool saved = true;
  for (const auto& spec : settingSpecs)
    saved = store_.writeDword(spec.valueName, dialog_.isChecked(spec.setting) ? 1 : 0) && saved;
  if (!saved) dialog_.showNotice(settingsNotSaved, productName);
  dialog_.close();
}

void Options::linkLabel1_LinkClicked() { dialog_.openWebPage(huediskPageAddress); }

void Options::contact_support_LinkClicked() { dialog_.openWebPage(std::wstring(makerSite) + L"/Contact/"); }

void Options::check_for_updates_LinkClicked() {
  dialog_.openWebPage(std::wstring(makerSite) + L"/Lumarin/Download/?version=" + std::wstring(productVersion));
}

}  // namespace Lmr

#pragma once
#include "ports/platform.h"
#include "win32/handles.h"

namespace Lmr::win32 {

class ProcessServices final : public ProcessPort {
 public:
  bool createInstanceMarker(std::wstring_view name) override;
  void bringWindowForward(std::wstring_view title) override;
  void handPickRequest(std::wstring_view title) override;
  std::uint32_t pickRequestMessage() override;
  void enterProgramDirectory() override;
  bool fileExists(std::wstring_view name) override;
  void showMessage(std::wstring_view text, std::wstring_view caption) override;
  void sleepFor(int milliseconds) override;
  void quit() override;

 private:
  KernelHandle instanceMarker_;  // held until the process ends
};

}  // namespace Lmr::win32

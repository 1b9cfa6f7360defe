#pragma once
// The ready flag `bInitialized`: clear until the main window has finished loading and while pick
// mode is being switched on or off. Handlers that start work do nothing while it is clear.
namespace Lmr {

struct ReadyFlag {
  bool bInitialized = false;
};

}  // namespace Lmr

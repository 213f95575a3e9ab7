#pragma once
#include <cstdint>
#include <functional>
#include <map>

// Which commands are enabled: the rules by network kind, style and training
// set, and the busy state of a run, in which only Stop acts. A menu entry
// and its toolbar button always share one state.
class CommandStates {
 public:
  // The state at start-up: everything but Stop and Kohonen Network Setup.
  CommandStates();

  bool IsEnabled(std::int32_t id) const;
  bool IsBusy() const { return busy; }

  // The enabling rules for a network kind (-1 none, 1-3 layer networks,
  // 4 Kohonen), its style and the training set's row count. Ignored while
  // busy, so nothing wakes up under a running thread.
  void ApplyRules(int kind, std::int32_t style, std::int32_t rows);
  // Every command disabled but Stop (Exit and the window's Close too).
  void EnterBusy();
  // Every command enabled but Stop and Kohonen Network Setup; the caller
  // applies the rules on top.
  void LeaveBusy();

  // Reports every state that differs from what was last reported (all of
  // them the first time).
  void Publish(const std::function<void(std::int32_t id, bool enabled)>& show);

 private:
  void Set(std::int32_t id, bool enabled) { states[id] = enabled; }
  void SetAll(bool enabled);
  void ApplyLayerNetworkRules(int kind, std::int32_t style, std::int32_t rows);
  void DisableAnalysis();

  std::map<std::int32_t, bool> states;
  std::map<std::int32_t, bool> shown;
  bool busy = false;
};

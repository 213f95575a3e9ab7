#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// What a training run is doing, in the phase field of trainingProgress.
enum TrainingPhase : std::int32_t {
  kPhaseIdle = 0,
  kPhaseGenetic = 1,
  kPhaseAnnealing = 2,
  kPhaseOptimisation = 3,
  kPhaseRegression = 4,
};

// One value shared between the training thread and the monitor, with its
// own lock; no caller ever holds two of these locks at once.
template <typename T>
class LockedValue {
 public:
  explicit LockedValue(T initial) : value(initial) {}
  T Get() const {
    std::lock_guard<std::mutex> hold(lock);
    return value;
  }
  void Set(T next) {
    std::lock_guard<std::mutex> hold(lock);
    value = next;
  }

 private:
  mutable std::mutex lock;
  T value;
};

// The record a training run publishes its progress into and the monitor
// polls. Every field is read and written only under its own lock.
class trainingProgress {
 public:
  LockedValue<std::int32_t> initializationCycle{0};
  LockedValue<std::int32_t> trainingCycle{0};
  LockedValue<double> mse{1.0};
  LockedValue<std::int32_t> phase{kPhaseIdle};
  LockedValue<double> initializationValue{0.0};
  LockedValue<double> initializationMse{1.0};
  LockedValue<std::int32_t> epoch{0};
  LockedValue<double> optimizationMse{1.0};

  // Replaces any message not yet taken. False when the copy cannot be made.
  bool SetMessage(const std::u16string& text);
  // The pending message, which is cleared; empty when there is none.
  std::u16string TakeMessage();

  void AppendHistory(double value);
  std::vector<double> History() const;
  void ClearHistory();

  // The values a run starts from: everything 0 or 1.0 as at creation, the
  // given initialisation value, no message and an empty history.
  void Reset(double initialValue);

 private:
  mutable std::mutex messageLock;
  std::u16string message;
  mutable std::mutex historyLock;
  std::vector<double> history;
};

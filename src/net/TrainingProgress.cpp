#include "net/TrainingProgress.h"

#include <new>

bool trainingProgress::SetMessage(const std::u16string& text) {
  std::lock_guard<std::mutex> hold(messageLock);
  try {
    message = text;
  } catch (const std::bad_alloc&) {
    message.clear();
    return false;
  }
  return true;
}

std::u16string trainingProgress::TakeMessage() {
  std::lock_guard<std::mutex> hold(messageLock);
  std::u16string taken;
  taken.swap(message);
  return taken;
}

void trainingProgress::AppendHistory(double value) {
  std::lock_guard<std::mutex> hold(historyLock);
  history.push_back(value);
}

std::vector<double> trainingProgress::History() const {
  std::lock_guard<std::mutex> hold(historyLock);
  return history;
}

void trainingProgress::ClearHistory() {
  std::lock_guard<std::mutex> hold(historyLock);
  history.clear();
}

void trainingProgress::Reset(double initialValue) {
  initializationCycle.Set(0);
  trainingCycle.Set(0);
  mse.Set(1.0);
  phase.Set(kPhaseIdle);
  initializationValue.Set(initialValue);
  initializationMse.Set(1.0);
  epoch.Set(0);
  optimizationMse.Set(1.0);
  TakeMessage();
  ClearHistory();
}

#pragma once
#include <cstdint>
#include <string>

#include "app/ProgressFile.h"

class Workspace;

// The values the monitor showed last, its elapsed-time counters (seconds)
// and the best mse of the run.
struct MonitorValues {
  std::uint32_t elapsedInit = 0;
  std::uint32_t elapsedOpt = 0;
  std::uint32_t elapsedFs = 0;
  std::uint32_t elapsedLoocv = 0;
  std::int32_t lastInitCycle = -1;
  std::int32_t lastTrainingCycle = -1;
  std::int32_t lastPhase = -1;
  std::int32_t lastEpoch = -1;
  double lastMse = -1.0;
  double lastInitValue = -1.0;
  double lastInitMse = -1.0;
  double lastOptMse = -1.0;
  double bestMse = 1.0;
};

// The training monitor: prepares a run, polls the progress record that the
// training thread publishes at every tick of the periodic timer, turns it
// into the dashboard's texts, bars and plot, writes the training-progress
// file, and ends the run with its verdict. It waits for the thread only
// once the thread has cleared its keep-running flag.
class Monitor {
 public:
  explicit Monitor(Workspace& workspace) : workspace(workspace) {}

  // Resets everything before a run and enters the busy state.
  void PrepareRun();
  // Before each further run of a sequence: fresh values and curves, the
  // sequence's elapsed time kept.
  void PrepareNextRun();
  // The last run of a sequence has ended: no timer, no busy state.
  void EndSequence();
  void OnTick();
  bool TimerRunning() const { return timerRunning; }
  // A new period takes effect at once when a run is being watched.
  void RestartTimer();

  const MonitorValues& Values() const { return values; }
  ProgressFile& File() { return progressFile; }

  // "%d:%2.2d:%2.2d" of (100 - p) * elapsed / p seconds; "Unknown" while p
  // or the elapsed time is 0.
  static std::u16string RemainingTime(double percent, std::uint32_t elapsed);

 private:
  void StartTimer();
  void StopTimer();
  // The progress record as a run starts from.
  void ResetProgress();
  void CountElapsed();
  void ShowCycles();
  void ShowPhase();
  void ShowInitializationValue();
  void ShowInitializationPercent(double percent);
  void ShowOptimisation();
  double SmallestMse() const;
  void ShowTitle(double mse, bool running);
  void AppendProgressLine(double mse);
  void EndPlainRun();

  Workspace& workspace;
  MonitorValues values;
  ProgressFile progressFile;
  bool timerRunning = false;
};

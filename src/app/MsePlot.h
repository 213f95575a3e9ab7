#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The monitor's scrolling strip chart of log10(mse): three series, one
// sample a pixel wide, as many samples kept as the chart is wide. Appending
// scrolls the oldest sample out on the left.
class MsePlot {
 public:
  struct Sample {
    double init = 0.0;     // the initialisation mse
    double current = 0.0;  // the smallest mse of the tick
    double best = 0.0;     // the best mse of the run
    bool operator==(const Sample&) const = default;
  };
  static constexpr int kGridSpacing = 10;

  // Keeps `width` samples, all 0 at first. Requires: width >= 1.
  explicit MsePlot(std::size_t width);

  void Append(const Sample& sample);
  // Every kept sample becomes 0; the count stays.
  void Clear();
  // From log10(goal) at the bottom to 0 at the top.
  void SetRange(double goal);

  // Oldest first.
  std::vector<Sample> Samples() const;
  // The last `count` samples appended, oldest first.
  std::vector<Sample> Latest(std::size_t count) const;
  double Bottom() const { return bottom; }
  double Top() const { return 0.0; }
  // Where a value is drawn: one unit beyond the range when it lies outside.
  double Drawn(double value) const;
  // Whether the sample at `index` (oldest first) carries a vertical grid
  // line; the lines scroll with the samples.
  bool HasGridLine(std::size_t index) const;

 private:
  std::vector<Sample> ring;
  std::size_t next = 0;  // the slot the next sample goes into
  std::uint64_t appended = 0;
  double bottom = -5.0;
};

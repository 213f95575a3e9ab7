#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "numerics/Vector.h"
#include "tools/Plot.h"

// The pre-processing lab (transforms a series before training) and the
// post-processing lab (undoes the transform on a series a network produced).
// Holds both series, their statistics, the trend line, the options' kind and
// what the window shows.
class TransformLab {
 public:
  enum Kind { kNormal, kTrendLeastSquares, kLogarithm, kCubeRoot, kTrendEndPoints };
  enum Side { kUntransformed, kTransformed };

  struct Statistics {
    double maximum = 0, minimum = 0, mean = 0, standardDeviation = 0;
  };
  // The text of the post lab's editable fields; empty means missing.
  struct PostFields {
    std::u16string mean, standardDeviation, m, b;
  };
  // The parameters a transform or its inverse uses.
  struct Parameters {
    double mean = 0, standardDeviation = 0, slope = 0, intercept = 0;
  };

  explicit TransformLab(bool preMode);

  void SetKind(Kind chosen) { kind = chosen; }
  Kind GetKind() const { return kind; }

  // "Select File": loads the side's series (".csv" text or ".dat" binary).
  std::u16string LoadUntransformed(const std::filesystem::path& path);
  std::u16string LoadTransformed(const std::filesystem::path& path);
  // "Pre>>" and "<<Post": compute the other side and save it.
  std::u16string Pre(const std::filesystem::path& destination);
  std::u16string Post(const PostFields& fields, const std::filesystem::path& destination);

  bool PreMode() const { return preMode; }
  // "Pre-Processing Lab" or "Post-Processing Lab".
  const char16_t* Caption() const { return preMode ? u"Pre-Processing Lab" : u"Post-Processing Lab"; }
  // In the post lab the user types the un-transformed mean, standard
  // deviation, m and b; in the pre lab every field is read-only.
  bool ParameterFieldsEditable() const { return !preMode; }
  bool ComputeEnabled() const { return computeEnabled; }
  const Vector& Series(Side side) const { return series[side]; }
  const Statistics& SideStatistics(Side side) const { return statistics[side]; }
  double Slope() const { return slope; }
  double Intercept() const { return intercept; }
  const Plot& GetPlot(Side side) const { return plots[side]; }
  // A number as the fields show it ("%g").
  static std::u16string FieldText(double value);

  // The computations.
  static Statistics Measure(const Vector& values);
  static void LeastSquaresLine(const Vector& values, double& m, double& b);
  static void EndPointLine(const Vector& values, double& m, double& b);
  static bool Transform(Kind kind, const Parameters& p, const Vector& x, Vector& y);
  static bool Invert(Kind kind, const Parameters& p, const Vector& y, Vector& x);

 private:
  std::u16string Load(Side side, const std::filesystem::path& path, const char16_t* invalid);
  std::u16string Save(Side side, const std::filesystem::path& path);
  void ShowSeries(Side side, const std::u16string& title);
  void DrawTrendLine();
  static std::u16string MissingField(Kind kind, const PostFields& fields);

  bool preMode;
  Kind kind = kNormal;
  std::array<Vector, 2> series;
  std::array<Statistics, 2> statistics;
  std::array<Plot, 2> plots;
  double slope = 0, intercept = 0;
  double mean = 0, standardDeviation = 0;
  bool computeEnabled = false;
};

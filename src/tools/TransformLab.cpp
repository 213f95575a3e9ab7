#include "tools/TransformLab.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/Text.h"

namespace {

std::u16string Extension(const std::filesystem::path& path) {
  std::u16string extension = path.extension().u16string();
  for (char16_t& c : extension)
    if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
  return extension;
}

double FieldValue(const std::u16string& text) {
  return std::strtod(platform::Utf16ToUtf8(text).c_str(), nullptr);
}

}  // namespace

TransformLab::TransformLab(bool preMode) : preMode(preMode) {
  plots[kUntransformed].series.resize(2);
  plots[kUntransformed].series[1].colour = {0, 0, 255};
  plots[kTransformed].series.resize(1);
}

std::u16string TransformLab::FieldText(double value) { return platform::Format("%g", value); }

TransformLab::Statistics TransformLab::Measure(const Vector& values) {
  Statistics s;
  const std::int32_t n = values.Length();
  if (n == 0) return s;
  s.maximum = values.Maximum();
  s.minimum = values.Minimum();
  double sum = 0, squares = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    sum += values[i];
    squares += values[i] * values[i];
  }
  s.mean = sum / n;
  // The sample form divides by n - 1; a single value has no spread.
  if (n > 1)
    s.standardDeviation = std::sqrt(squares / (n - 1) - sum * sum / (static_cast<double>(n) * (n - 1)));
  return s;
}

void TransformLab::LeastSquaresLine(const Vector& values, double& m, double& b) {
  m = b = 0;
  const std::int32_t n = values.Length();
  if (n < 2) return;
  const double xMean = (n - 1) / 2.0;
  const double yMean = Measure(values).mean;
  double products = 0, squares = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    products += (values[i] - yMean) * (i - xMean);
    squares += (i - xMean) * (i - xMean);
  }
  m = products / squares;
  b = yMean - m * xMean;
}

void TransformLab::EndPointLine(const Vector& values, double& m, double& b) {
  m = b = 0;
  const std::int32_t n = values.Length();
  if (n < 2) return;
  m = (values[n - 1] - values[0]) / (n - 1);
  b = values[0];
}

bool TransformLab::Transform(Kind kind, const Parameters& p, const Vector& x, Vector& y) {
  if (!y.Resize(x.Length())) return x.Length() == 0;
  for (std::int32_t i = 0; i < x.Length(); ++i) {
    switch (kind) {
      case kNormal:
        // A series without spread is only centred (dividing by 0 would
        // write infinities and lose the values).
        y[i] = p.standardDeviation != 0 ? (x[i] - p.mean) / p.standardDeviation : x[i] - p.mean;
        break;
      case kTrendLeastSquares:
      case kTrendEndPoints: y[i] = x[i] - i * p.slope - p.intercept; break;
      case kLogarithm: y[i] = std::log10(std::fabs(x[i])); break;
      case kCubeRoot: y[i] = std::pow(std::fabs(x[i]), 0.3333333333333333); break;
    }
  }
  return true;
}

bool TransformLab::Invert(Kind kind, const Parameters& p, const Vector& y, Vector& x) {
  if (!x.Resize(y.Length())) return y.Length() == 0;
  for (std::int32_t i = 0; i < y.Length(); ++i) {
    switch (kind) {
      case kNormal: x[i] = y[i] * p.standardDeviation + p.mean; break;
      case kTrendLeastSquares:
      case kTrendEndPoints: x[i] = y[i] + i * p.slope + p.intercept; break;
      case kLogarithm: x[i] = std::pow(10.0, y[i]); break;
      case kCubeRoot: x[i] = y[i] * y[i] * y[i]; break;
    }
  }
  return true;
}

std::u16string TransformLab::Load(Side side, const std::filesystem::path& path, const char16_t* invalid) {
  Vector loaded;
  const std::u16string extension = Extension(path);
  std::u16string error;
  if (extension == u".csv") {
    if (Message message = loaded.LoadText(path)) error = message;
  } else if (extension != u".dat" || !loaded.LoadBinary(path)) {
    error = invalid;
  }
  if (!error.empty()) {
    series[side].Free();
    for (PlotSeries& s : plots[side].series) s.Clear();
    return error;
  }
  series[side] = std::move(loaded);
  statistics[side] = Measure(series[side]);
  ShowSeries(side, path.filename().u16string());
  computeEnabled = true;
  return {};
}

std::u16string TransformLab::LoadUntransformed(const std::filesystem::path& path) {
  std::u16string error = Load(kUntransformed, path, u"The un-trasformed file is invalid");
  if (!error.empty()) return error;
  mean = statistics[kUntransformed].mean;
  standardDeviation = statistics[kUntransformed].standardDeviation;
  if (kind == kTrendLeastSquares)
    LeastSquaresLine(series[kUntransformed], slope, intercept);
  else
    EndPointLine(series[kUntransformed], slope, intercept);
  DrawTrendLine();
  return {};
}

std::u16string TransformLab::LoadTransformed(const std::filesystem::path& path) {
  return Load(kTransformed, path, u"The trasformed file is invalid");
}

std::u16string TransformLab::Pre(const std::filesystem::path& destination) {
  if (kind == kTrendLeastSquares) LeastSquaresLine(series[kUntransformed], slope, intercept);
  if (kind == kTrendEndPoints) EndPointLine(series[kUntransformed], slope, intercept);
  const Parameters p{mean, standardDeviation, slope, intercept};
  if (!Transform(kind, p, series[kUntransformed], series[kTransformed])) series[kTransformed].Free();
  statistics[kTransformed] = Measure(series[kTransformed]);
  ShowSeries(kTransformed, destination.filename().u16string());
  return Save(kTransformed, destination);
}

std::u16string TransformLab::MissingField(Kind kind, const PostFields& fields) {
  switch (kind) {
    case kNormal:
      if (fields.mean.empty())
        return u"You need to provide \r\n\r\n\t \"the mean\" \r\n\r\nof the un-transformed data";
      if (fields.standardDeviation.empty())
        return u"You need to provide \r\n\r\n\t \"the standard deviation\" \r\n\r\nof the un-transformed "
               u"data";
      break;
    case kTrendLeastSquares:
      if (fields.m.empty())
        return u"You need to provide the value of \r\n\r\n\t \"m\" \r\n\r\n for the un-transformed data";
      if (fields.b.empty())
        return u"You need to provide the value of \r\n\r\n\t \"b\" \r\n\r\n for the un-transformed data";
      break;
    case kTrendEndPoints:
      if (fields.m.empty()) return u"You need to provide the value of m for the un-transformed data";
      if (fields.b.empty()) return u"You need to provide the value of b for the un-transformed data";
      break;
    case kLogarithm:
    case kCubeRoot: break;
  }
  return {};
}

std::u16string TransformLab::Post(const PostFields& fields, const std::filesystem::path& destination) {
  std::u16string missing = MissingField(kind, fields);
  if (!missing.empty()) {
    for (PlotSeries& s : plots[kUntransformed].series) s.Clear();
    return missing;
  }
  Parameters p;
  if (kind == kNormal) {
    p.mean = FieldValue(fields.mean);
    p.standardDeviation = FieldValue(fields.standardDeviation);
  } else if (kind == kTrendLeastSquares || kind == kTrendEndPoints) {
    p.slope = FieldValue(fields.m);
    p.intercept = FieldValue(fields.b);
  }
  if (!Invert(kind, p, series[kTransformed], series[kUntransformed])) series[kUntransformed].Free();
  statistics[kUntransformed] = Measure(series[kUntransformed]);
  ShowSeries(kUntransformed, destination.filename().u16string());
  DrawTrendLine();
  return Save(kUntransformed, destination);
}

std::u16string TransformLab::Save(Side side, const std::filesystem::path& path) {
  const std::u16string extension = Extension(path);
  std::u16string error;
  const bool transformed = side == kTransformed;
  if (extension == u".csv") {
    if (Message message = series[side].SaveText(path, "%g", u",")) error = message;
  } else if (extension == u".dat") {
    if (!series[side].SaveBinary(path))
      error = transformed ? u"Unable to write trasformed file" : u"Unable to write un-trasformed file";
  } else {
    error = transformed ? u"Unable to write transformed file" : u"Unable to write un-trasformed file";
  }
  if (!error.empty())
    for (PlotSeries& s : plots[side].series) s.Clear();
  return error;
}

void TransformLab::ShowSeries(Side side, const std::u16string& title) {
  PlotSeries& shown = plots[side].series[0];
  shown.Clear();
  shown.title = title;
  const Vector& values = series[side];
  for (std::int32_t i = 0; i < values.Length(); ++i) {
    shown.x.push_back(i + 1);
    shown.y.push_back(values[i]);
  }
  plots[side].xMin = 1;
  plots[side].xMax = std::max(values.Length(), 1);
  plots[side].yMin = statistics[side].minimum;
  plots[side].yMax = statistics[side].maximum;
}

// The line over the un-transformed series: end points with "Trending (main
// line)", least squares otherwise.
void TransformLab::DrawTrendLine() {
  double m = 0, b = 0;
  if (kind == kTrendEndPoints)
    EndPointLine(series[kUntransformed], m, b);
  else
    LeastSquaresLine(series[kUntransformed], m, b);
  PlotSeries& line = plots[kUntransformed].series[1];
  line.Clear();
  for (std::int32_t i = 0; i < series[kUntransformed].Length(); ++i) {
    line.x.push_back(i + 1);
    line.y.push_back(m * i + b);
  }
}

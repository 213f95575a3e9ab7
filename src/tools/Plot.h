#pragma once
#include <array>
#include <string>
#include <vector>

// What one plot of a tool window shows: the axis captions, the ranges the
// plot spans and its series of points. The window framework draws it.
struct PlotSeries {
  std::u16string title;
  std::array<int, 3> colour = {0, 0, 0};  // red, green, blue
  std::vector<double> x;
  std::vector<double> y;

  void Clear() {
    x.clear();
    y.clear();
  }
};

struct Plot {
  std::u16string xCaption;
  std::u16string yCaption;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  std::vector<PlotSeries> series;
};

#pragma once
#include <string>
#include <vector>

// What one plot of a tool window shows: the axis captions, the ranges the
// plot spans and its series of points. The window framework draws it.
struct PlotSeries {
  std::u16string title;
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

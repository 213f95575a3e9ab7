#pragma once
#include <windows.h>

#include <vector>

#include "search/AnnealSchedulePreview.h"

// The annealing dialog's preview: temperature ("Temperature") against time
// ("Time"), from 0 to the highest temperature of the schedule.
class SchedulePlot {
 public:
  static void Draw(HDC dc, const RECT& area, const std::vector<AnnealSchedulePreview::Point>& points);
};

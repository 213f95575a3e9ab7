// Times Matrix::LoadCsv and Matrix::SaveCsv on one file and reports the
// throughput and the peak memory of the load, as JSON lines:
//   csv_io_timer IN.csv OUT.csv [REPS]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "numerics/Matrix.h"
#include "platform/Text.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void Emit(const char* what, const std::vector<double>& seconds, std::uintmax_t bytes) {
  std::vector<double> sorted = seconds;
  std::sort(sorted.begin(), sorted.end());
  std::printf("{\"peer\": \"tessarion\", \"what\": \"%s\", \"bytes\": %ju, \"median_s\": %.4f, \"mb_per_s\": %.1f}\n",
              what, bytes, sorted[sorted.size() / 2], bytes / sorted[sorted.size() / 2] / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: csv_io_timer IN.csv OUT.csv [REPS]\n");
    return 2;
  }
  const std::filesystem::path in = argv[1], out = argv[2];
  const int reps = argc > 3 ? std::atoi(argv[3]) : 3;
  const std::uintmax_t inBytes = std::filesystem::file_size(in);

  std::vector<double> loads, saves;
  Matrix m;
  for (int i = 0; i < reps; ++i) {
    Matrix fresh;
    const auto start = std::chrono::steady_clock::now();
    if (Message error = fresh.LoadCsv(in)) {
      std::fprintf(stderr, "%s\n", platform::Utf16ToUtf8(error).c_str());
      return 1;
    }
    loads.push_back(Seconds(start));
    if (i == 0) {
      const long peakKb = PeakRssKb();
      const double matrixBytes = static_cast<double>(fresh.Rows()) * fresh.Cols() * 8;
      std::printf("{\"what\": \"load_peak\", \"rows\": %d, \"cols\": %d, \"peak_rss_mb\": %.1f, "
                  "\"file_mb\": %.1f, \"matrix_mb\": %.1f, \"limit_mb\": %.1f}\n",
                  fresh.Rows(), fresh.Cols(), peakKb / 1024.0, inBytes / 1048576.0, matrixBytes / 1048576.0,
                  (inBytes + 1.25 * matrixBytes) / 1048576.0);
    }
    m = std::move(fresh);
  }
  Emit("load_csv", loads, inBytes);
  for (int i = 0; i < reps; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (Message error = m.SaveCsv(out)) {
      std::fprintf(stderr, "%s\n", platform::Utf16ToUtf8(error).c_str());
      return 1;
    }
    saves.push_back(Seconds(start));
  }
  Emit("save_csv", saves, std::filesystem::file_size(out));
  return 0;
}

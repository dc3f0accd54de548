#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "settings/base/program_modules.h"
#include "settings/files/drawing_cache.h"
#include "tests/bench/bench.h"
#include "tests/support/page_host.h"
#include "tests/support/registry_reset.h"

namespace {

constexpr int kRounds = 15;

// Opening a page as a tap on the main list does: the page object, its window with every
// control of every tab, and the first paint (UpdateWindow paints before it returns).
double MedianOpen(PageHost& host, int command, int tab) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const double start = BenchNow();
    host.Open(command);
    if (tab) {
      host.SelectTab(tab);
      UpdateWindow(host.Window());
    }
    times.push_back(BenchNow() - start);
    host.Close();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

QM_BENCH(PageOpening) {
  ResetProductRegistry();
  PageHost host;
  LoadGlyphs(Drawing(), Modules().resolutionLibrary, L"");
  const double general = MedianOpen(host, 0, 0);
  const double calendar = MedianOpen(host, 1, 0);
  const double sample = MedianOpen(host, 1, 4);
  std::printf("open to first paint, median of %d: General %.2f ms, Calendar %.2f ms (%.1f times)\n", kRounds,
              general * 1000, calendar * 1000, calendar / general);
  std::printf("Calendar opened and its icons tab with the sample line painted: %.2f ms\n", sample * 1000);
  FreeGlyphs(Drawing());
}

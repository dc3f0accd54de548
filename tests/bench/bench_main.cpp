#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/bench/bench.h"

namespace {

struct Entry {
  const char* name;
  BenchFunction function;
};

std::vector<Entry>& Registry() {
  static std::vector<Entry> entries;
  return entries;
}

}  // namespace

BenchRegistration::BenchRegistration(const char* name, BenchFunction function) {
  Registry().push_back({name, function});
}

double BenchNow() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// With an argument, only the benchmarks whose name contains it.
int main(int argc, char** argv) {
  for (const Entry& entry : Registry()) {
    if (argc > 1 && !std::strstr(entry.name, argv[1])) continue;
    std::printf("== %s\n", entry.name);
    entry.function();
    std::fflush(stdout);
  }
  return 0;
}

#pragma once
// A benchmark is a function that prints its figures; each file registers its own.
#include <windows.h>

#include <cstdio>

using BenchFunction = void (*)();

struct BenchRegistration {
  BenchRegistration(const char* name, BenchFunction function);
};

// Seconds elapsed, from the performance counter.
double BenchNow();

#define QM_BENCH(name)                                                   \
  static void name();                                                    \
  static const BenchRegistration name##_registration(#name, &name);      \
  static void name()

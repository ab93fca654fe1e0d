// Google Benchmark with a QApplication, for benchmarks on shown windows.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

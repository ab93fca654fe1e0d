// FormatByteList per byte with a ProcessEvents that does nothing: the cost of the list itself.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/idle_host.hpp"
#include "core/actions.hpp"
#include "core/work_buffer.hpp"

namespace {

void BM_FormatByteList(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  std::string bytes(size, '\0');
  std::mt19937 random(7);
  for (char& c : bytes) c = static_cast<char>(random());
  strcrypt::WorkBuffer() = strcrypt::ByteString::FromBytes(bytes);
  strcrypt::bench::IdleHost host;
  for (auto _ : state) benchmark::DoNotOptimize(strcrypt::FormatByteList(host));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  strcrypt::ReleaseWorkBuffer();
}

BENCHMARK(BM_FormatByteList)
    ->Arg(1 << 10)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Writing a large byte list into a shown read-only box and painting it: byte lists of 100 KB
// and 1 MB of data (about 0.36 MB and 3.6 MB of text). Needs a display (offscreen will do).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <random>

#include "app/qt/main_window.hpp"
#include "bench/idle_host.hpp"
#include "core/actions.hpp"
#include "core/work_buffer.hpp"

namespace {

strcrypt::Text ByteListOf(std::size_t size) {
  std::string bytes(size, '\0');
  std::mt19937 random(3);
  for (char& c : bytes) c = static_cast<char>(random());
  strcrypt::WorkBuffer() = strcrypt::ByteString::FromBytes(bytes);
  strcrypt::bench::IdleHost host;
  strcrypt::Text list = strcrypt::FormatByteList(host);
  strcrypt::ReleaseWorkBuffer();
  return list;
}

void BM_WriteByteListIntoShownBox(benchmark::State& state) {
  const strcrypt::Text list = ByteListOf(static_cast<std::size_t>(state.range(0)));
  const auto& definition = strcrypt::app::WindowDefinitions().front();
  strcrypt::app::qt::MainWindow window(definition, QString(), {});
  window.ShowCentred();
  QCoreApplication::processEvents();
  auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框4"));
  for (auto _ : state) {
    window.WriteText("编辑框4", list);
    box->viewport()->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.WriteText("编辑框4", strcrypt::Text());
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["list_bytes"] = static_cast<double>(list.View().size());
}

BENCHMARK(BM_WriteByteListIntoShownBox)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

// EncryptAction on a shown window for 100 KB and 1 MB of input: with the real ProcessEvents
// (once per byte of the result) and, for comparison, with one that does nothing.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/qt/qt_toolkit.hpp"
#include "app/shell.hpp"
#include "core/actions.hpp"
#include "core/work_buffer.hpp"

namespace {

using strcrypt::ActionHost;
using strcrypt::Text;

// The shell's own host, with ProcessEvents switched off.
class NoPumpHost final : public ActionHost {
 public:
  explicit NoPumpHost(ActionHost& real) : real_(real) {}
  Text ReadText(std::string_view box) override { return real_.ReadText(box); }
  std::int32_t ReadSelection(std::string_view list) override { return real_.ReadSelection(list); }
  void WriteText(std::string_view box, const Text& text) override { real_.WriteText(box, text); }
  void ProcessEvents() override {}

 private:
  ActionHost& real_;
};

// Lines of 62 letters: no spaces for encryption to remove, and short lines for the input box.
Text InputOf(std::size_t size) {
  std::string text;
  text.reserve(size);
  while (text.size() < size) {
    text.append(62, static_cast<char>('a' + text.size() % 26));
    text.append("\r\n");
  }
  text.resize(size);
  return Text::FromBytes(text);
}

struct Shell {
  Shell() : toolkit(QString()), application(toolkit) {
    toolkit.SetApplication(application);
    application.InitialiseShell();
    application.LoadStartWindow(strcrypt::app::kMainWindowNumber);
    QCoreApplication::processEvents();
  }
  strcrypt::app::qt::QtToolkit toolkit;
  strcrypt::app::Application application;
};

void RunEncryption(benchmark::State& state, bool real_pump) {
  static Shell shell;
  shell.toolkit.WriteText("编辑框1", InputOf(static_cast<std::size_t>(state.range(0))));
  NoPumpHost no_pump(shell.application.Host());
  ActionHost& host = real_pump ? shell.application.Host() : no_pump;
  for (auto _ : state) strcrypt::EncryptAction(host);
  state.counters["result_bytes"] = strcrypt::ByteLength(strcrypt::WorkBuffer());
}

void BM_EncryptAction_RealPump(benchmark::State& state) { RunEncryption(state, true); }
void BM_EncryptAction_NoOpPump(benchmark::State& state) { RunEncryption(state, false); }

BENCHMARK(BM_EncryptAction_RealPump)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_EncryptAction_NoOpPump)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

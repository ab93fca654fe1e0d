#include "app/shell.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/executable_folder.hpp"
#include "core/actions.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt::app {
namespace {

constexpr std::uint32_t kButton1 = 0x16010009;
constexpr std::uint32_t kButton2 = 0x1601000a;
constexpr std::uint32_t kInputBox = 0x16010002;

struct ProcessEnded {
  int status;
};

// A toolkit that records what the shell asks of it; its events are raised by the tests.
class FakeToolkit : public Toolkit {
 public:
  bool CreateWindow(const WindowDefinition& /*definition*/) override {
    if (on_create) on_create();
    return create_succeeds;
  }
  void ShowWindow() override { shown = true; }
  void RunLoop() override {
    ++loops;
    if (during_loop) during_loop();
  }
  void EndLoop() override { ++end_requests; }
  void DispatchPending() override {
    ++dispatches;
    if (during_dispatch) {
      auto run = std::move(during_dispatch);
      during_dispatch = nullptr;
      run();
    }
  }
  void ShowFatalBox(std::string_view caption, std::string_view text) override {
    box_caption = caption;
    box_text = text;
    if (during_box) during_box();
  }
  [[noreturn]] void EndProcess(int status) override { throw ProcessEnded{status}; }
  Text ReadText(std::string_view control) override {
    return Text::FromBytes(control == "编辑框1" ? input : "");
  }
  std::int32_t ReadSelection(std::string_view /*control*/) override { return 0; }
  void WriteText(std::string_view control, const Text& text) override {
    writes.emplace_back(control);
    last_write = std::string(text.View());
  }

  bool create_succeeds = true;
  bool shown = false;
  int loops = 0;
  int end_requests = 0;
  int dispatches = 0;
  std::string input = "abc";
  std::function<void()> on_create, during_loop, during_dispatch, during_box;
  std::string box_caption, box_text, last_write;
  std::vector<std::string> writes;
};

int g_hook_calls = 0;
void CountingHook() { ++g_hook_calls; }

class Shell : public testing::Test {
 protected:
  void SetUp() override {
    g_hook_calls = 0;
    ReleaseWorkBuffer();
  }
  void Load() {
    application.InitialiseShell();
    application.SetExitHook(CountingHook);
    application.LoadStartWindow(kMainWindowNumber);
  }
  FakeToolkit toolkit;
  Application application{toolkit};
};

TEST_F(Shell, ClicksOnTheTwoButtonsRunTheirActionsAndNothingElseIsBound) {
  Load();
  application.RaiseEvent(kMainWindowNumber, kButton1, kClickedEvent);
  EXPECT_EQ(toolkit.writes, (std::vector<std::string>{"编辑框3", "编辑框2", "编辑框4"}));
  EXPECT_TRUE(toolkit.last_write.starts_with("{"));
  toolkit.writes.clear();
  application.RaiseEvent(kMainWindowNumber, kInputBox, kClickedEvent);
  application.RaiseEvent(kMainWindowNumber, kButton1, 1);
  application.RaiseEvent(kMainWindowNumber, 0, kWindowCloseRequest);
  application.RaiseEvent(0x12345678, kButton1, kClickedEvent);
  EXPECT_TRUE(toolkit.writes.empty());
  application.RaiseEvent(kMainWindowNumber, kButton2, kClickedEvent);
  EXPECT_EQ(toolkit.last_write, "{97,98,99}");  // the decryption of the encryption
}

TEST_F(Shell, EventsDuringWindowCreationReachNoAction) {
  application.InitialiseShell();
  toolkit.on_create = [this] {
    application.RaiseEvent(kMainWindowNumber, kButton1, kClickedEvent);
    EXPECT_EQ(application.EventGate(), 1);
  };
  toolkit.during_dispatch = [this] {};  // the pass before creation
  application.LoadStartWindow(kMainWindowNumber);
  EXPECT_TRUE(toolkit.writes.empty());
  EXPECT_EQ(application.EventGate(), 0);
  EXPECT_TRUE(toolkit.shown);
  EXPECT_EQ(toolkit.dispatches, 2);  // once before and once after creation
}

TEST_F(Shell, ClosingTheWindowEndsTheLoopAndTheHookRunsOnce) {
  Load();
  toolkit.during_loop = [this] { application.WindowDestroyed(kMainWindowNumber); };
  application.RunEventLoop();
  EXPECT_EQ(toolkit.end_requests, 1);
  EXPECT_EQ(application.Shutdown(0), 0);
  EXPECT_EQ(g_hook_calls, 1);
  EXPECT_EQ(application.Shutdown(0), 0);
  EXPECT_EQ(g_hook_calls, 1);
}

TEST_F(Shell, ProcessEventsLeavesTheEndRequestPending) {
  Load();
  application.WindowDestroyed(kMainWindowNumber);  // before the loop: no end request yet
  EXPECT_FALSE(application.EndRequested());
  application.RunEventLoop();
  EXPECT_EQ(toolkit.loops, 0);  // no window loaded: returns at once

  FakeToolkit second;
  Application other(second);
  other.InitialiseShell();
  other.LoadStartWindow(kMainWindowNumber);
  second.during_loop = [&] {
    other.WindowDestroyed(kMainWindowNumber);
    const int before = second.dispatches;
    other.ProcessEvents();
    EXPECT_EQ(second.dispatches, before);  // nothing dispatched past the end request
    EXPECT_TRUE(other.EndRequested());
  };
  other.RunEventLoop();
}

TEST_F(Shell, ControlAccessAfterTheWindowIsGoneIsFatalWithoutTheHook) {
  Load();
  toolkit.input = std::string(10, 'x');
  // The user closes the window while the byte list is being built.
  toolkit.during_dispatch = [this] { application.WindowDestroyed(kMainWindowNumber); };
  try {
    application.RaiseEvent(kMainWindowNumber, kButton1, kClickedEvent);
    FAIL() << "the action returned";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.status, -1);
  }
  EXPECT_EQ(toolkit.box_caption, "\xB4\xED\xCE\xF3");  // "错误"
  EXPECT_EQ(toolkit.box_text, FatalBoxText(kWindowNotLoaded));
  EXPECT_EQ(g_hook_calls, 0);
}

TEST_F(Shell, NoClickReachesAnActionWhileTheFatalBoxIsUp) {
  Load();
  toolkit.during_box = [this] {
    application.RaiseEvent(kMainWindowNumber, kButton1, kClickedEvent);
  };
  EXPECT_THROW(application.ReportFatalError("x"), ProcessEnded);
  EXPECT_TRUE(toolkit.writes.empty());
}

TEST_F(Shell, WindowThatCannotBeCreatedIsFatal) {
  toolkit.create_succeeds = false;
  application.InitialiseShell();
  EXPECT_THROW(application.LoadStartWindow(kMainWindowNumber), ProcessEnded);
  EXPECT_EQ(toolkit.box_text, FatalBoxText(kStartWindowFailed));
  EXPECT_FALSE(toolkit.shown);
}

TEST(FatalBoxText, HeadingLineBreaksAndTheMessage) {
  // "运行时出错!" CR LF CR LF "错误信息：" message CR LF
  EXPECT_EQ(
      FatalBoxText("m"),
      "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"
      "m\r\n");
  EXPECT_EQ(FatalBoxText(""), "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n");
}

TEST_F(Shell, StartSetsTheCurrentDirectoryToTheExecutablesFolder) {
  std::filesystem::current_path("/");
  application.InitialiseShell();
  EXPECT_EQ(std::filesystem::current_path(), ExecutableFolder());
  EXPECT_NE(ExecutableFolder(), std::filesystem::path("/"));
}

}  // namespace
}  // namespace strcrypt::app

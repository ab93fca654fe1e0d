#include "app/qt/main_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "app/qt/hyperlink.hpp"
#include "app/qt/result_box.hpp"

namespace strcrypt::app::qt {
namespace {

const WindowDefinition& Definition() { return WindowDefinitions().front(); }

// A shown main window that records its events.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    MainWindow::Events events;
    events.control = [this](std::uint32_t control, std::int32_t event) {
      clicks.emplace_back(control, event);
    };
    events.window = [this](std::int32_t event) { window_events.push_back(event); };
    events.destroyed = [this] { destroyed = true; };
    window = new MainWindow(Definition(), QString(), std::move(events));
    window->ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void TearDown() override { delete window.data(); }

  template <typename T = QWidget>
  T* Control(const char* name) {
    return window->findChild<T*>(QString::fromUtf8(name));
  }

  QPointer<MainWindow> window;
  std::vector<std::pair<std::uint32_t, std::int32_t>> clicks;
  std::vector<std::int32_t> window_events;
  bool destroyed = false;
};

TEST_F(MainWindowTest, ControlsStandWhereTheDefinitionPutsThem) {
  for (const ControlDefinition& control : Definition().controls) {
    const QWidget* widget = Control(std::string(control.name).c_str());
    ASSERT_NE(widget, nullptr) << control.name;
    EXPECT_EQ(widget->pos(), QPoint(control.left, control.top)) << control.name;
    EXPECT_EQ(widget->width(), control.width) << control.name;
    if (control.kind == ControlKind::kSingleLineEdit) {
      // Never lower than one text line plus its frame; it grows downward only.
      EXPECT_GE(widget->height(), std::max(control.height, widget->fontMetrics().height()));
    } else {
      EXPECT_EQ(widget->height(), control.height) << control.name;
    }
  }
}

TEST_F(MainWindowTest, OuterSizeIsFixedAndTheListStartsOnDes) {
  EXPECT_EQ(window->frameGeometry().size(), QSize(555, 392));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->ReadSelection("组合框1"), 0);
  EXPECT_EQ(Control<QComboBox>("组合框1")->currentText(), QStringLiteral("DES算法"));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheirOrderAndWrapsAround) {
  const char* order[] = {"编辑框1", "编辑框2", "编辑框3", "编辑框4",
                         "按钮1",   "按钮2",   "编辑框5", "组合框1"};
  ASSERT_EQ(QApplication::focusWidget(), Control(order[0]));
  for (std::size_t step = 1; step <= std::size(order); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(order[step % std::size(order)])) << step;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Control("组合框1"));
  EXPECT_EQ(window->ReadText("编辑框1"), Text());  // Tab typed no character
}

TEST_F(MainWindowTest, ReactivationGivesTheFocusBackToTheLastFocusedControl) {
  Control("编辑框5")->setFocus();
  QWidget other;
  other.resize(100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::focusWidget(), Control("编辑框5"));
}

TEST_F(MainWindowTest, EnterBreaksTheLineInTheInputBoxAndDoesNothingElsewhere) {
  QTest::keyClicks(Control("编辑框1"), "ab");
  QTest::keyClick(Control("编辑框1"), Qt::Key_Return);
  QTest::keyClicks(Control("编辑框1"), "c");
  EXPECT_EQ(window->ReadText("编辑框1").View(), "ab\r\nc");
  for (const char* name : {"编辑框5", "按钮1", "按钮2", "组合框1"}) {
    Control(name)->setFocus();
    QTest::keyClick(Control(name), Qt::Key_Return);
    QTest::keyClick(Control(name), Qt::Key_Enter);
  }
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(window_events.empty());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, SpaceClicksTheFocusedButton) {
  Control("按钮2")->setFocus();
  QTest::keyClick(Control("按钮2"), Qt::Key_Space);
  ASSERT_EQ(clicks.size(), 1U);
  EXPECT_EQ(clicks[0], std::make_pair(std::uint32_t{0x1601000a}, 0));
}

TEST_F(MainWindowTest, ReadOnlyBoxesRefuseTypingAndPasteButCopy) {
  window->WriteText("编辑框3", Text::FromBytes("\xC4\xE3\xBA\xC3"));  // "你好"
  auto* box = Control<QPlainTextEdit>("编辑框3");
  box->setFocus();
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  QTest::keyClicks(box, "typed");
  QTest::keySequence(box, QKeySequence::Paste);
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(window->ReadText("编辑框3").View(), "\xC4\xE3\xBA\xC3");
  QTest::keySequence(box, QKeySequence::SelectAll);
  QTest::keySequence(box, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("你好"));
  EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(MainWindowTest, PasswordIsShownAsTyped) {
  auto* box = Control<QLineEdit>("编辑框5");
  QTest::keyClicks(box, "secret, ()");
  EXPECT_EQ(box->echoMode(), QLineEdit::Normal);
  EXPECT_EQ(box->displayText(), QStringLiteral("secret, ()"));
  EXPECT_EQ(window->ReadText("编辑框5").View(), "secret, ()");
}

TEST_F(MainWindowTest, TextOutsideGbkBecomesQuestionMarks) {
  Control<QPlainTextEdit>("编辑框1")->setPlainText(QStringLiteral("a😀你"));
  EXPECT_EQ(window->ReadText("编辑框1").View(), "a?\xC4\xE3");
}

TEST_F(MainWindowTest, EscapeFromAnyControlClosesTheWindow) {
  for (const char* name : {"编辑框1", "按钮1", "组合框1"}) {
    SCOPED_TRACE(name);
    TearDown();
    SetUp();
    window_events.clear();
    QTest::keyClick(Control(name), Qt::Key_Escape);
    EXPECT_EQ(window_events, std::vector<std::int32_t>{1});
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(window->isVisible());
    destroyed = false;
  }
}

TEST_F(MainWindowTest, LongResultKeepsWholeRowsAndCopiesExactly) {
  std::string list = "{";
  for (int i = 0; i < 20000; ++i) list += std::to_string(i % 256) + ",";
  list.back() = '}';
  window->WriteText("编辑框4", Text::FromBytes(list));
  auto* box = Control<ResultBox>("编辑框4");
  EXPECT_EQ(window->ReadText("编辑框4").View(), list);
  // Every block but the last lays out into exactly its rows: the cuts fall where the wrap
  // breaks anyway, so no row is left short.
  const QTextDocument* document = box->document();
  int blocks = 0;
  for (QTextBlock block = document->begin(); block.next().isValid(); block = block.next()) {
    document->documentLayout()->blockBoundingRect(block);
    EXPECT_EQ(block.layout()->lineCount(), ResultBox::kRowsPerBlock) << block.blockNumber();
    ++blocks;
  }
  EXPECT_GT(blocks, 10);
  box->setFocus();
  QTest::keySequence(box, QKeySequence::SelectAll);
  QTest::keySequence(box, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), list);
}

TEST_F(MainWindowTest, HyperlinkColoursFollowHoverAndTheLastOpen) {
  auto* link = Control<Hyperlink>("超级链接框1");
  EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link->TextColour(), QColor(0, 0, 255));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(link, &enter);
  EXPECT_EQ(link->TextColour(), QColor(10, 36, 106));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_EQ(link->TextColour(), QColor(0, 0, 255));
}

// The hyperlink's target is opened by programs found on PATH; these tests put a fake
// browser there, or nothing.
class BrowserOnPath : public testing::Test {
 protected:
  void SetUp() override {
    saved_path_ = qgetenv("PATH");
    saved_browser_ = qgetenv("BROWSER");
    qunsetenv("BROWSER");
    ASSERT_TRUE(folder_.isValid());
  }
  void TearDown() override {
    qputenv("PATH", saved_path_);
    qputenv("BROWSER", saved_browser_);
  }
  void InstallFakeBrowser() {
    const QString script = folder_.filePath(QStringLiteral("xdg-open"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Shell built-ins only: PATH holds nothing but this folder.
    file.write("#!/bin/sh\necho \"$1\" > \"${0%/*}/opened\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", folder_.path().toUtf8());
  }
  QTemporaryDir folder_;
  QByteArray saved_path_;
  QByteArray saved_browser_;
};

TEST_F(BrowserOnPath, PressOpensTheTargetAndMarksTheLinkVisited) {
  InstallFakeBrowser();
  Hyperlink link(QStringLiteral("Lumaren"), QStringLiteral("https://lumaren.example/"), nullptr);
  QTest::mousePress(&link, Qt::LeftButton);
  EXPECT_TRUE(link.IsVisited());
  EXPECT_EQ(link.TextColour(), QColor(128, 0, 0));
  QFile opened(folder_.filePath(QStringLiteral("opened")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return opened.exists() && opened.size() > 0; }, 5000));
  ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
  EXPECT_EQ(opened.readAll().trimmed(), QByteArray("https://lumaren.example/"));
}

TEST_F(BrowserOnPath, FailedOpenShowsNothingAndClearsAnEarlierSuccess) {
  InstallFakeBrowser();
  Hyperlink link(QStringLiteral("Lumaren"), QStringLiteral("https://lumaren.example/"), nullptr);
  QTest::mousePress(&link, Qt::LeftButton);
  ASSERT_TRUE(link.IsVisited());
  // Qt remembers the browser it found, so the browser itself goes, not just PATH.
  ASSERT_TRUE(QFile::remove(folder_.filePath(QStringLiteral("xdg-open"))));
  qputenv("PATH", "/nonexistent");
  QTest::mousePress(&link, Qt::LeftButton);
  EXPECT_FALSE(link.IsVisited());
  EXPECT_EQ(link.TextColour(), QColor(0, 0, 255));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace strcrypt::app::qt

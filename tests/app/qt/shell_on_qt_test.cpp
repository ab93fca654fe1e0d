// The shell on the real Qt window: actions run from real clicks, re-entry, closing, and the
// fatal paths, which end the process and so run as death tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "app/qt/gbk_text.hpp"
#include "app/qt/qt_toolkit.hpp"
#include "core/actions.hpp"
#include "core/data_cipher.hpp"
#include "core/value_memory.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt::app::qt {
namespace {

int g_hook_calls = 0;
void CountingExitHook() {
  ++g_hook_calls;
  ReleaseWorkBuffer();
}

// A list formatted here, independently of the program's own formatting.
std::string ListOf(std::string_view bytes) {
  std::string list = "{";
  for (const char byte : bytes) list += std::to_string(static_cast<unsigned char>(byte)) + ",";
  if (list.size() > 1) list.pop_back();
  return list + "}";
}

std::string Gbk(const QString& text) { return std::string(ToGbkText(text).View()); }

class ShellOnQt : public testing::Test {
 protected:
  void SetUp() override {
    g_hook_calls = 0;
    ReleaseWorkBuffer();
    toolkit.SetApplication(application);
    application.InitialiseShell();
    application.SetExitHook(CountingExitHook);
    application.LoadStartWindow(kMainWindowNumber);
    ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit.Window()));
  }
  void TearDown() override {
    if (toolkit.Window() != nullptr) delete toolkit.Window();
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    return toolkit.Window()->findChild<T*>(QString::fromUtf8(name));
  }
  std::string Box(const char* name) { return std::string(toolkit.ReadText(name).View()); }
  // ASCII as key presses; anything else as an input method commits it, which is how
  // Chinese text reaches a box.
  void Type(const char* box, const QString& text) {
    QWidget* widget = Control(box);
    for (const QChar c : text) {
      if (c == u'\n') {
        QTest::keyClick(widget, Qt::Key_Return);
      } else if (c.unicode() < 128) {
        QTest::keyClicks(widget, QString(c));
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QApplication::sendEvent(widget, &commit);
      }
    }
  }
  void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }

  QtToolkit toolkit{QString()};
  Application application{toolkit};
};

TEST_F(ShellOnQt, EncryptThenDecryptGivesTheTextBackWithoutItsSpaces) {
  const QString input = QStringLiteral("你好 世界\u3000line\nbreak");
  const QString password = QStringLiteral("密码, (1)");
  Type("编辑框1", input);
  Type("编辑框5", password);
  for (const int selection : {0, 1}) {
    SCOPED_TRACE(selection);
    Control<QComboBox>("组合框1")->setCurrentIndex(selection);
    const CipherKind kind = selection == 0 ? 1 : 2;
    Click("按钮1");
    const ByteString expected =
        EncryptData(ByteString::FromBytes(Gbk(QStringLiteral("你好世界line\nbreak"))),
                    Text::FromBytes(Gbk(password)), kind);
    EXPECT_EQ(Box("编辑框4"), ListOf(expected.View()));
    EXPECT_EQ(Box("编辑框2"), std::string(kEncryptCodeLineHead) + ListOf(expected.View()) + "," +
                                  Gbk(password) + "," + std::to_string(kind) + " ))");
    Click("按钮2");
    EXPECT_EQ(Box("编辑框3"), Gbk(QStringLiteral("你好世界line\nbreak")));
    EXPECT_TRUE(Box("编辑框2").starts_with(kDecryptCodeLineHead));
  }
}

TEST_F(ShellOnQt, DecryptClickedDuringALongEncryptionRunsNestedInIt) {
  const std::string input(30000, 'x');
  toolkit.WriteText("编辑框1", Text::FromBytes(input));
  // Clicked from the first event pass inside the encryption's byte list.
  QTimer::singleShot(0, [this] { Click("按钮2"); });
  Click("按钮1");
  // The nested decryption wrote the text back; the outer encryption finished its list over
  // the decrypted bytes and wrote its code line last.
  EXPECT_EQ(Box("编辑框3"), input);
  EXPECT_NE(Box("编辑框4"), ListOf(input));
  EXPECT_TRUE(Box("编辑框2").starts_with(kEncryptCodeLineHead));
  EXPECT_EQ(ByteLength(WorkBuffer()), 30000);
}

TEST_F(ShellOnQt, ClosingWhileIdleEndsTheLoopAndRunsTheHookOnce) {
  QTimer::singleShot(0, [this] { QTest::keyClick(Control("编辑框1"), Qt::Key_Escape); });
  application.RunEventLoop();
  EXPECT_TRUE(application.EndRequested());
  EXPECT_EQ(application.Shutdown(0), 0);
  EXPECT_EQ(g_hook_calls, 1);
}

// Dismisses the fatal-error box once it is up, after writing its text to stderr for the
// death test to match.
void AnswerTheFatalBox() {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    timer->stop();
    std::cerr << "caption=" << box->windowTitle().toStdString()
              << " icon=" << (box->icon() == QMessageBox::Critical ? "error" : "other")
              << " text=" << box->text().toStdString() << std::endl;
    box->button(QMessageBox::Ok)->click();
  });
  timer->start(10);
}

TEST_F(ShellOnQt, ClosingDuringALongEncryptionIsFatal) {
  EXPECT_EXIT(
      {
        toolkit.WriteText("编辑框1", Text::FromBytes(std::string(30000, 'x')));
        QTimer::singleShot(0, [this] { toolkit.Window()->close(); });
        AnswerTheFatalBox();
        Click("按钮1");
        std::exit(0);  // not reached
      },
      testing::ExitedWithCode(255),
      "caption=错误 icon=error text=运行时出错!\n\n错误信息：指定窗口尚未载入\n");
}

void* FailAt1024(std::size_t bytes) { return bytes == 1024 ? nullptr : std::malloc(bytes); }

TEST_F(ShellOnQt, RunningOutOfMemoryIsFatalWithTheByteCount) {
  EXPECT_EXIT(
      {
        application.TakeOutOfMemoryReports();
        // The input box's 1023 bytes are stored with a terminating zero: 1024.
        Control<QPlainTextEdit>("编辑框1")->setPlainText(QString(1023, u'a'));
        SetRawAllocator(FailAt1024);
        AnswerTheFatalBox();
        Click("按钮1");
        std::exit(0);  // not reached
      },
      testing::ExitedWithCode(255), "text=运行时出错!\n\n错误信息：分配 1024 字节内存失败!\n");
}

}  // namespace
}  // namespace strcrypt::app::qt

// GoogleTest with a QApplication, for tests that need real widgets.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Death tests start a fresh copy of this program, which must not share the X connection.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Listing the tests (at build time) needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}

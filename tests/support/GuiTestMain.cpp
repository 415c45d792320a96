#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Test discovery lists the tests without the test's environment and
  // without a display: answer before any window system is touched.
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  // Behave like the program: the process locale follows the environment.
  std::setlocale(LC_ALL, "");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

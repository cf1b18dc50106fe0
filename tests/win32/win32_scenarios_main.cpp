// The scenarios, run against the Win32 windows.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win32/win32_driver.h"

std::unique_ptr<wave_test::Driver> wave_test::MakeDriver() {
  return std::make_unique<Win32Driver>();
}

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

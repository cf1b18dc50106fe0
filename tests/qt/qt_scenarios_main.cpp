// The scenarios, run against the Qt windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "tests/qt/driver/qt_driver.h"

std::unique_ptr<wave_test::Driver> wave_test::MakeDriver() {
  return std::make_unique<QtDriver>();
}

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

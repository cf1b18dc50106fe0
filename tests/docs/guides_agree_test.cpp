// The README, the Chinese guide and both manual pages each list the error
// numbers, the menu items and their keys; each list must say what the
// program does.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/run_error.h"
#include "windows/forms/texts.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class GuidesAgree : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    text_ = Read(std::string(WAVE_SOURCE_DIR "/") + GetParam());
    ASSERT_FALSE(text_.empty()) << GetParam();
  }
  std::string text_;
};

TEST_P(GuidesAgree, EveryErrorWithItsNumberAndMessage) {
  for (wave::ErrorKind kind : wave::RunError::AllKinds()) {
    const std::string shown = std::to_string(wave::RunError::NumberOf(kind)) +
                              " " + wave::RunError::MessageOf(kind);
    EXPECT_NE(text_.find(shown), std::string::npos) << shown;
  }
}

// Somewhere the keys follow their item closely: after its closing mark and
// a comma, a parenthesis or a table's rule.
TEST_P(GuidesAgree, EveryMenuItemWithItsKeys) {
  for (const wave::MenuItem& item : wave::ResultsMenu()) {
    EXPECT_NE(text_.find(item.text), std::string::npos) << item.text;
    if (item.keys.empty()) continue;
    bool followed = false;
    for (std::size_t at = text_.find(item.text); at != std::string::npos;
         at = text_.find(item.text, at + 1)) {
      const std::size_t keys = text_.find(item.keys, at);
      followed |=
          keys != std::string::npos && keys - at - item.text.size() <= 8;
    }
    EXPECT_TRUE(followed) << item.text << " is not followed by " << item.keys;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Guides, GuidesAgree,
    testing::Values("README.md", "README.zh-CN.md",
                    "packaging/man/wavecalc.1.scd.in",
                    "packaging/man/wavecalc.zh_CN.1.scd.in"));

}  // namespace

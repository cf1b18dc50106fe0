#include "windows/forms/texts.h"

#include "windows/forms/form_spec.h"

namespace wave {

namespace {

using enum MenuCommand;

constexpr MenuItem kResultsMenu[] = {
    {kCopySelection, "复制", "", false, false},
    {kCopyAllResults, "复制全部结果", "Ctrl+Shift+C", false, false},
    {kCopyPicture, "复制图片", "Ctrl+Shift+P", true, false},
    {kSavePicture, "另存为图片…", "", false, false},
    {kStayOnTop, "窗口置顶", "", true, true},
};

std::string_view ReasonOf(SaveFailure failure) {
  switch (failure) {
    case SaveFailure::kNoFolder:
      return "文件夹不存在";
    case SaveFailure::kNotAFolder:
      return "所在位置不是文件夹";
    case SaveFailure::kNotARegularFile:
      // A device or a folder of that name would be replaced, not written.
      return "同名的不是普通文件，不能替换";
    case SaveFailure::kCannotCreate:
      return "无法在该文件夹中创建文件，可能没有写入权限";
    case SaveFailure::kWriteFailed:
      return "写入失败，磁盘可能已满";
  }
  return {};
}

}  // namespace

std::span<const MenuItem> ResultsMenu() { return kResultsMenu; }

const MenuItem& MenuItemOf(MenuCommand command) {
  for (const MenuItem& item : kResultsMenu) {
    if (item.command == command) return item;
  }
  return kResultsMenu[0];  // unreachable: every command has an item
}

std::string ErrorText(const RunError& error) {
  return "运行时错误 " + std::to_string(error.number()) + "：" + error.what();
}

std::string_view MessageTitle(const FormSpec& form) { return form.title; }

std::string TooLongText() {
  return "内容过长（超过 " + std::to_string(kMaxPriceLength) +
         " 个字符），未能放入输入框。";
}

std::string SaveFailureText(std::string_view path, SaveFailure failure,
                            std::string_view detail) {
  std::string text = "无法保存图片：";
  text.append(path).append("\n原因：").append(ReasonOf(failure));
  if (!detail.empty()) text.append("（").append(detail).append("）");
  return text;
}

}  // namespace wave

// Every text the windows show besides their control captions: the
// right-click menu, the messages and their rules, and the save dialog.
// UTF-8; a front end converts them when it shows them.
#ifndef WAVECALC_WINDOWS_FORMS_TEXTS_H_
#define WAVECALC_WINDOWS_FORMS_TEXTS_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/run_error.h"

namespace wave {

struct FormSpec;

enum class MenuCommand {
  kCopySelection,
  kCopyAllResults,
  kCopyPicture,
  kSavePicture,
  kStayOnTop,
};

struct MenuItem {
  MenuCommand command;
  std::string_view text;
  // The keys that run it from anywhere in the window, in the toolkits'
  // common notation ("Ctrl+Shift+C"); empty for none.
  std::string_view keys;
  bool separator_before;
  bool checkable;
};

// The window's right-click menu, top to bottom.
std::span<const MenuItem> ResultsMenu();
const MenuItem& MenuItemOf(MenuCommand command);

// "运行时错误 13：类型不匹配"
std::string ErrorText(const RunError& error);

// A message box is titled like the window it is shown over.
std::string_view MessageTitle(const FormSpec& form);
inline constexpr std::string_view kOkButton = "确定";

// An edit that would make a price box longer than this many UTF-16 units
// is refused whole.
inline constexpr std::size_t kMaxPriceLength = 1024;
// The message of a refused edit.
std::string TooLongText();

// The save dialog.
inline constexpr std::string_view kSaveDialogTitle = "另存为图片";
inline constexpr std::string_view kPngFilterName = "PNG 图片";
inline constexpr std::string_view kPngFilterPattern = "*.png";

// Why a picture could not be saved.
enum class SaveFailure {
  kNoFolder,
  kNotAFolder,
  kNotARegularFile,
  kCannotCreate,  // detail: the system's words
  kWriteFailed,   // detail: the system's words
};

// "无法保存图片：<path>\n原因：<reason>"
std::string SaveFailureText(std::string_view path, SaveFailure failure,
                            std::string_view detail = {});

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_TEXTS_H_

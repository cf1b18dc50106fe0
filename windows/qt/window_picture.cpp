#include "windows/qt/window_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QLineEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>
#include <optional>
#include <vector>

#include "windows/forms/rules.h"
#include "windows/forms/texts.h"
#include "windows/qt/caption_label.h"
#include "windows/qt/dialogs.h"
#include "windows/qt/look.h"

namespace wave {

namespace {

// Leaves out what belongs to editing while a picture is taken, and puts it
// back afterwards: the focus, the boxes' selections and the labels'.
class PlainLook {
 public:
  explicit PlainLook(QWidget* window)
      : window_(window), focused_(window->focusWidget()) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
      boxes_.push_back({box, box->selectionStart(), box->selectionLength(),
                        box->cursorPosition()});
    }
    for (CaptionLabel* label : window->findChildren<CaptionLabel*>()) {
      label->ShowSelection(false);
    }
    if (focused_ != nullptr) focused_->clearFocus();
    for (const Box& box : boxes_) box.box->deselect();
  }

  ~PlainLook() {
    if (focused_ != nullptr) focused_->setFocus(Qt::OtherFocusReason);
    for (const Box& box : boxes_) {
      if (box.length > 0 && box.cursor == box.start) {
        box.box->setSelection(box.start + box.length, -box.length);
      } else if (box.length > 0) {
        box.box->setSelection(box.start, box.length);
      } else {
        box.box->setCursorPosition(box.cursor);
      }
    }
    for (CaptionLabel* label : window_->findChildren<CaptionLabel*>()) {
      label->ShowSelection(true);
    }
  }

 private:
  struct Box {
    QLineEdit* box;
    int start, length, cursor;
  };

  QWidget* window_;
  QWidget* focused_;
  std::vector<Box> boxes_;
};

// Why path cannot take a new picture, if it cannot.
std::optional<SaveFailure> WhyNotWritable(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (!folder.exists()) return SaveFailure::kNoFolder;
  if (!folder.isDir()) return SaveFailure::kNotAFolder;
  if (file.exists() && !file.isFile()) return SaveFailure::kNotARegularFile;
  return std::nullopt;
}

}  // namespace

QImage PictureOf(QWidget* window) {
  const PlainLook plain(window);
  return window->grab().toImage();
}

QString SuggestedPicturePath(std::string_view stem) {
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QDir(folder).filePath(FromUtf8(PictureFileName(stem, Now())));
}

void SavePicture(QWidget* window, const QImage& picture,
                 std::string_view stem) {
  const QString path = AskSavePath(window, SuggestedPicturePath(stem));
  if (path.isEmpty()) return;
  std::optional<SaveFailure> failure = WhyNotWritable(path);
  QString detail;
  if (!failure) {
    // Encoded in memory first: a failing disk then fails a plain write,
    // which reports it, and never the PNG encoder, which leaks when its
    // output fails.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      failure = SaveFailure::kCannotCreate;
      detail = file.errorString();
    } else if (file.write(png) != png.size() || !file.commit()) {
      failure = SaveFailure::kWriteFailed;
      detail = file.errorString();
    }
  }
  if (failure) {
    ShowMessage(window,
                FromUtf8(SaveFailureText(ToUtf8(QDir::toNativeSeparators(path)),
                                         *failure, ToUtf8(detail))));
  }
}

}  // namespace wave

#include "windows/window_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QLineEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>
#include <vector>

#include "windows/caption_label.h"
#include "windows/dialogs.h"

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

// Why path cannot take a new picture, or an empty string if it can.
QString WhyNotWritable(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (!folder.exists()) return QStringLiteral("文件夹不存在");
  if (!folder.isDir()) return QStringLiteral("所在位置不是文件夹");
  // A device or a folder of that name would be replaced, not written to.
  if (file.exists() && !file.isFile()) {
    return QStringLiteral("同名的不是普通文件，不能替换");
  }
  return {};
}

}  // namespace

QImage PictureOf(QWidget* window) {
  const PlainLook plain(window);
  return window->grab().toImage();
}

QString SuggestedPicturePath(const QString& what, const QDateTime& when) {
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QDir(folder).filePath(what +
                               when.toString(QStringLiteral("-yyyyMMdd-HHmm")) +
                               QStringLiteral(".png"));
}

void SavePicture(QWidget* window, const QImage& picture, const QString& what) {
  const QString path = AskSavePath(
      window, SuggestedPicturePath(what, QDateTime::currentDateTime()));
  if (path.isEmpty()) return;
  QString reason = WhyNotWritable(path);
  if (reason.isEmpty()) {
    // Encoded in memory first: a failing disk then fails a plain write,
    // which reports it, and never the PNG encoder, which leaks when its
    // output fails.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      reason =
          QStringLiteral("无法在该文件夹中创建文件，可能没有写入权限（%1）")
              .arg(file.errorString());
    } else if (file.write(png) != png.size() || !file.commit()) {
      reason = QStringLiteral("写入失败，磁盘可能已满（%1）")
                   .arg(file.errorString());
    }
  }
  if (!reason.isEmpty()) {
    ShowMessage(window, QStringLiteral("无法保存图片：%1\n原因：%2")
                            .arg(QDir::toNativeSeparators(path), reason));
  }
}

}  // namespace wave

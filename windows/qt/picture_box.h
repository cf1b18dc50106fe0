// An image control: shows a picture at its own size and reports clicks.
// It takes no keyboard focus, like the labels around it.
#ifndef WAVECALC_WINDOWS_QT_PICTURE_BOX_H_
#define WAVECALC_WINDOWS_QT_PICTURE_BOX_H_

#include <QIcon>
#include <QWidget>

namespace wave {

// A picture of ours: the PNG at path, and on a high-density screen also its
// sharper name@2x.png. Read as PNG outright, so no image plugin is probed.
QIcon LoadPicture(const QString& path);

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  // The icon supplies the sharpest version for the screen (name@2x.png).
  PictureBox(QIcon picture, QWidget* parent);

  // What a click does, for keyboards and screen readers.
  void Click() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QIcon picture_;
  bool pressed_ = false;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_PICTURE_BOX_H_

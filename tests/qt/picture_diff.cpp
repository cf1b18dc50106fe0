// Compares pictures pixel for pixel. For each that differs, writes beside
// the new one a difference picture: the committed picture faded, with the
// differing pixels in red.
// Usage: picture_diff <committed folder> <new folder> <name.png>...
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: picture_diff <committed> <new> <name>...\n");
    return 2;
  }
  const QDir committed(QString::fromLocal8Bit(argv[1]));
  const QDir fresh(QString::fromLocal8Bit(argv[2]));
  int failed = 0;
  for (int i = 3; i < argc; ++i) {
    const QString name = QString::fromLocal8Bit(argv[i]);
    const QImage before =
        QImage(committed.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QImage after =
        QImage(fresh.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    if (before.isNull() || after.isNull()) {
      std::fprintf(stderr, "%s: missing\n", argv[i]);
      ++failed;
      continue;
    }
    if (before.size() != after.size()) {
      std::fprintf(stderr, "%s: %dx%d, committed %dx%d\n", argv[i],
                   after.width(), after.height(), before.width(),
                   before.height());
      ++failed;
      continue;
    }
    QImage difference = before;
    long differing = 0;
    for (int y = 0; y < before.height(); ++y) {
      for (int x = 0; x < before.width(); ++x) {
        const QRgb old_pixel = before.pixel(x, y);
        if (old_pixel != after.pixel(x, y)) {
          ++differing;
          difference.setPixel(x, y, qRgb(255, 0, 0));
        } else {
          const int grey = 192 + qGray(old_pixel) / 4;
          difference.setPixel(x, y, qRgb(grey, grey, grey));
        }
      }
    }
    if (differing > 0) {
      QString diff_name = name;
      diff_name.replace(QStringLiteral(".png"), QStringLiteral(".diff.png"));
      difference.save(fresh.filePath(diff_name));
      std::fprintf(stderr, "%s: %ld pixels differ; see %s\n", argv[i],
                   differing, qPrintable(fresh.filePath(diff_name)));
      ++failed;
    }
  }
  if (failed > 0) {
    std::fprintf(stderr,
                 "An intended change re-renders the pictures with "
                 "render_windows docs and commits them.\n");
  }
  return failed == 0 ? 0 : 1;
}

// Draws every picture the program embeds: both charts, the logo and the
// icon, each at 1x and 2x. Usage: draw_assets <output folder>
//
// The output is deterministic for a given set of fonts, so running it again
// reproduces the committed files byte for byte (a test checks this).
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QVector>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr QSize kChartSize(464, 287);
constexpr QSize kLogoSize(180, 45);
constexpr QColor kDotBlue(0, 70, 220);
constexpr QColor kTagGreen(0, 128, 0);
constexpr QColor kTagRed(192, 0, 0);
constexpr QColor kLogoBlue(20, 60, 140);

// Turning points of the rising impulse and of the a-b-c correction, in
// chart pixels; the value labels of the windows sit beside these.
const std::vector<QPointF> kRisingPoints = {{40, 250}, {94, 166},  {158, 213},
                                            {220, 95}, {319, 146}, {403, 32}};
const std::vector<QPointF> kFallingPoints = {
    {71, 60}, {214, 172}, {264, 116}, {390, 241}};

// A smooth curve through every point (Catmull-Rom as cubic Béziers).
QPainterPath SmoothCurve(const std::vector<QPointF>& points) {
  QPainterPath path(points.front());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const QPointF before = points[i == 0 ? 0 : i - 1];
    const QPointF from = points[i];
    const QPointF to = points[i + 1];
    const QPointF after = points[i + 2 < points.size() ? i + 2 : i + 1];
    path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
  }
  return path;
}

QFont TagFont() {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPixelSize(16);
  font.setBold(true);
  return font;
}

void DrawCurve(QPainter& painter, const std::vector<QPointF>& points) {
  painter.setPen(
      QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(SmoothCurve(points));
}

void DrawRisingChart(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), kChartSize), Qt::white);
  DrawCurve(painter, kRisingPoints);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDotBlue);
  for (const QPointF& point : kRisingPoints) painter.drawEllipse(point, 6, 6);
}

void DrawFallingChart(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), kChartSize), Qt::white);
  DrawCurve(painter, kFallingPoints);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDotBlue);
  for (const QPointF& point : kFallingPoints) {
    painter.drawRoundedRect(QRectF(point - QPointF(4.5, 6), QSizeF(9, 12)), 3,
                            3);
  }
  struct Tag {
    QPointF baseline;
    QColor colour;
    const char* text;
  };
  const Tag tags[] = {
      {{150, 100}, kTagGreen, "a 浪"},
      {{248, 168}, kTagRed, "b 浪"},
      {{338, 168}, kTagGreen, "c 浪"},
  };
  painter.setFont(TagFont());
  for (const Tag& tag : tags) {
    painter.setPen(tag.colour);
    painter.drawText(tag.baseline, QString::fromUtf8(tag.text));
  }
}

void DrawLogo(QPainter& painter) {
  const QRectF area(QPointF(0, 0), kLogoSize);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLogoBlue);
  painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  // A small rising wave as the mark.
  painter.setPen(QPen(QColor(255, 210, 80), 3, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(SmoothCurve({{10, 34}, {17, 22}, {23, 28}, {31, 12}}));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(24);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(area.adjusted(40, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Quorvane"));
}

// The icon at any size: a rising wave on a rounded blue square.
QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 48.0, size / 48.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLogoBlue);
  painter.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
  painter.setPen(QPen(QColor(255, 210, 80), 4, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  painter.drawPath(
      SmoothCurve({{8, 38}, {16, 26}, {22, 31}, {30, 14}, {35, 20}, {41, 8}}));
  return image;
}

QImage Render(QSize size, int scale,
              const std::function<void(QPainter&)>& draw) {
  QImage image(size * scale, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  draw(painter);
  return image;
}

QImage Palette(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32)
      .convertToFormat(QImage::Format_Indexed8,
                       Qt::ThresholdDither | Qt::AvoidDither);
}

// One ICO directory entry with its BMP data: header, pixels and AND mask,
// all bottom-up. Qt's own writer stores only 32-bit images, and the 8-bit
// one is for old shells and low-colour displays.
QByteArray IcoImage(const QImage& argb, int bits) {
  const int size = argb.width();
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  const int mask_row = ((size + 31) / 32) * 4;
  const int pixel_row = size * bits / 8;
  out << quint32(40) << qint32(size) << qint32(size * 2) << quint16(1)
      << quint16(bits) << quint32(0) << quint32((pixel_row + mask_row) * size)
      << qint32(0) << qint32(0) << quint32(bits == 8 ? 256 : 0) << quint32(0);
  if (bits == 8) {
    QImage opaque(argb.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter(&opaque).drawImage(0, 0, argb);
    const QImage indexed = Palette(opaque);
    QVector<QRgb> palette = indexed.colorTable();
    palette.resize(256);
    for (QRgb colour : palette) {
      out << quint8(qBlue(colour)) << quint8(qGreen(colour))
          << quint8(qRed(colour)) << quint8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
      for (int x = 0; x < size; ++x) out << quint8(indexed.pixelIndex(x, y));
    }
  } else {
    for (int y = size - 1; y >= 0; --y) {
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = argb.pixel(x, y);
        out << quint8(qBlue(pixel)) << quint8(qGreen(pixel))
            << quint8(qRed(pixel)) << quint8(qAlpha(pixel));
      }
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(mask_row, '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(argb.pixel(x, y)) < 128)
        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.writeRawData(row.constData(), row.size());
  }
  return data;
}

QByteArray Ico(const QImage& argb) {
  const QByteArray images[] = {IcoImage(argb, 8), IcoImage(argb, 32)};
  QByteArray file;
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(2);
  quint32 offset = 6 + 16 * 2;
  const int bits[] = {8, 32};
  for (int i = 0; i < 2; ++i) {
    out << quint8(argb.width()) << quint8(argb.height()) << quint8(0)
        << quint8(0) << quint16(1) << quint16(bits[i])
        << quint32(images[i].size()) << offset;
    offset += images[i].size();
  }
  for (const QByteArray& image : images)
    out.writeRawData(image.constData(), image.size());
  return file;
}

bool Save(const QDir& folder, const QString& name, const QImage& image) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_assets <output folder>\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;

  struct Picture {
    const char* name;
    QSize size;
    void (*draw)(QPainter&);
    bool opaque;
  };
  const Picture pictures[] = {
      {"rising_chart", kChartSize, DrawRisingChart, true},
      {"falling_chart", kChartSize, DrawFallingChart, true},
      {"logo", kLogoSize, DrawLogo, false},
  };
  bool ok = true;
  for (const Picture& picture : pictures) {
    for (int scale : {1, 2}) {
      const QString name =
          QString::fromLatin1(picture.name) +
          (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
      QImage image = Render(picture.size, scale, picture.draw);
      // The charts have few colours and no transparency: a palette image
      // decodes in a third of the time, which start-up feels.
      if (picture.opaque) image = Palette(image);
      ok = Save(folder, name, image) && ok;
    }
  }
  ok = Save(folder, QStringLiteral("wavecalc-48.png"), DrawIcon(48)) && ok;
  ok = Save(folder, QStringLiteral("wavecalc-256.png"), DrawIcon(256)) && ok;
  QFile ico(folder.filePath(QStringLiteral("wavecalc.ico")));
  ok = ico.open(QIODevice::WriteOnly) && ico.write(Ico(DrawIcon(48))) > 0 && ok;
  return ok ? 0 : 1;
}

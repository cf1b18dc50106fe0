#include "windows/qt/caption_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QList>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "windows/qt/look.h"

namespace wave {

namespace {

// Wider than any screen shows; a longer caption is cut off there, as Qt
// cuts off any widget at its maximum size.
constexpr int kMaxWidth = 1 << 15;
constexpr qsizetype kFirstPrefix = 1024;

bool IsAscii(QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; }

// Letter spacing that brings each ASCII character to half an em.
QList<QTextLayout::FormatRange> HalfWidthCells(const QString& text,
                                               const QFont& font) {
  QList<QTextLayout::FormatRange> cells;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsAscii(text.at(i))) continue;
    const qreal spacing = HalfEmSpacing(font, text.at(i));
    if (std::abs(spacing) < 1.0 / 128) continue;  // already half an em
    if (!cells.isEmpty() && cells.back().start + cells.back().length == i &&
        cells.back().format.fontLetterSpacing() == spacing) {
      ++cells.back().length;
      continue;
    }
    QTextLayout::FormatRange range;
    range.start = static_cast<int>(i);
    range.length = 1;
    range.format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    range.format.setFontLetterSpacing(spacing);
    cells.append(range);
  }
  return cells;
}

// One line of text laid out in half-width cells.
class CaptionLine {
 public:
  CaptionLine(const QString& text, const QFont& font) : layout_(text, font) {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout_.setTextOption(option);
    layout_.setFormats(HalfWidthCells(text, font));
    layout_.beginLayout();
    line_ = layout_.createLine();
    layout_.endLayout();
  }
  int Width() const { return qRound(line_.naturalTextWidth()); }
  int CursorAt(int x) const {
    return line_.xToCursor(x, QTextLine::CursorBetweenCharacters);
  }
  void Draw(QPainter* painter, int selection_start, int selection_end,
            const QPalette& palette, const QRect& clip) const {
    QList<QTextLayout::FormatRange> selections;
    if (selection_end > selection_start) {
      QTextLayout::FormatRange range;
      range.start = selection_start;
      range.length = selection_end - selection_start;
      range.format.setBackground(palette.brush(QPalette::Highlight));
      range.format.setForeground(palette.brush(QPalette::HighlightedText));
      selections.append(range);
    }
    layout_.draw(painter, QPointF(0, 0), selections, clip);
  }

 private:
  QTextLayout layout_;
  QTextLine line_;
};

}  // namespace

qsizetype VisiblePrefixLength(const QString& caption, const QFont& font,
                              int x) {
  qsizetype length = std::min(kFirstPrefix, caption.size());
  while (length < caption.size() &&
         CaptionLine(caption.left(length), font).Width() <= x) {
    length = std::min(caption.size(), length * 2);
  }
  if (length < caption.size() && caption.at(length - 1).isHighSurrogate()) {
    ++length;
  }
  return length;
}

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetCaption(const QString& caption) {
  if (caption == text() && size_hint_.isValid()) return;
  ClearSelection();
  setText(caption);
  const int width =
      CaptionLine(caption.left(VisiblePrefixLength(caption, font(), kMaxWidth)),
                  font())
          .Width();
  size_hint_ = QSize(std::min(width, kMaxWidth), fontMetrics().height());
  adjustSize();
}

QSize CaptionLabel::sizeHint() const { return size_hint_; }

QSize CaptionLabel::minimumSizeHint() const { return size_hint_; }

void CaptionLabel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const int right = event->rect().right() + 1;
  const CaptionLine line(
      text().left(VisiblePrefixLength(text(), font(), right)), font());
  painter.setPen(palette().color(QPalette::WindowText));
  line.Draw(&painter, selection_shown_ ? selection_start_ : 0,
            selection_shown_ ? selection_end_ : 0, palette(), event->rect());
}

void CaptionLabel::SetSelectable(bool selectable) {
  selectable_ = selectable;
  setCursor(selectable ? Qt::IBeamCursor : Qt::ArrowCursor);
  if (!selectable) ClearSelection();
}

QString CaptionLabel::SelectedCaption() const {
  return text().mid(selection_start_, selection_end_ - selection_start_);
}

void CaptionLabel::ClearSelection() {
  if (selection_end_ == selection_start_) return;
  selection_start_ = selection_end_ = 0;
  update();
  emit selectionChanged();
}

void CaptionLabel::ShowSelection(bool shown) {
  selection_shown_ = shown;
  update();
}

int CaptionLabel::CursorAt(int x) const {
  return CaptionLine(text().left(VisiblePrefixLength(text(), font(), x)),
                     font())
      .CursorAt(x);
}

void CaptionLabel::SelectTo(int cursor) {
  const auto [start, end] = std::minmax(anchor_, cursor);
  if (start == selection_start_ && end == selection_end_) return;
  selection_start_ = start;
  selection_end_ = end;
  update();
  emit selectionChanged();
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  if (!selectable_ || event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  anchor_ = CursorAt(event->position().toPoint().x());
  SelectTo(anchor_);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
  if (anchor_ < 0) {
    QLabel::mouseMoveEvent(event);
    return;
  }
  SelectTo(CursorAt(std::max(0, event->position().toPoint().x())));
}

// On X11 a selection is also what middle-click pastes.
void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (anchor_ < 0) {
    QLabel::mouseReleaseEvent(event);
    return;
  }
  anchor_ = -1;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection() && selection_end_ > selection_start_) {
    clipboard->setText(SelectedCaption(), QClipboard::Selection);
  }
}

}  // namespace wave

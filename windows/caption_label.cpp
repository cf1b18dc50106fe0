#include "windows/caption_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <utility>

namespace wave {

namespace {

// Wider than any screen shows; a longer caption is cut off there, as Qt
// cuts off any widget at its maximum size.
constexpr int kMaxWidth = 1 << 15;
constexpr qsizetype kFirstPrefix = 1024;

// A line of the prefix, laid out as the whole caption would be.
class PrefixLine {
 public:
  PrefixLine(const QString& text, const QFont& font) : layout_(text, font) {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout_.setTextOption(option);
    layout_.beginLayout();
    line_ = layout_.createLine();
    layout_.endLayout();
  }
  QTextLayout& layout() { return layout_; }
  QTextLine& line() { return line_; }

 private:
  QTextLayout layout_;
  QTextLine line_;
};

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetCaption(const QString& caption) {
  if (caption == text() && size_hint_.isValid()) return;
  ClearSelection();
  setText(caption);
  const QFontMetrics metrics = fontMetrics();
  // Grow the measured prefix until it covers the caption or the widest
  // label there can be.
  int width = 0;
  for (qsizetype length = kFirstPrefix;; length *= 2) {
    width = metrics.horizontalAdvance(caption.left(length));
    if (length >= caption.size() || width >= kMaxWidth) break;
  }
  size_hint_ = QSize(std::min(width, kMaxWidth), metrics.height());
  adjustSize();
}

QSize CaptionLabel::sizeHint() const { return size_hint_; }

QSize CaptionLabel::minimumSizeHint() const { return size_hint_; }

qsizetype CaptionLabel::PrefixReaching(int x) const {
  const QString caption = text();
  const QFontMetrics metrics = fontMetrics();
  qsizetype length = std::min(kFirstPrefix, caption.size());
  while (length < caption.size() &&
         metrics.horizontalAdvance(caption.left(length)) <= x) {
    length = std::min(caption.size(), length * 2);
  }
  // Keep a character that is split across two UTF-16 units whole.
  if (length < caption.size() && caption.at(length - 1).isHighSurrogate()) {
    ++length;
  }
  return length;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PrefixLine prefix(text().left(PrefixReaching(event->rect().right() + 1)),
                    font());
  QList<QTextLayout::FormatRange> selections;
  if (selection_end_ > selection_start_) {
    QTextLayout::FormatRange range;
    range.start = selection_start_;
    range.length = selection_end_ - selection_start_;
    range.format.setBackground(palette().brush(QPalette::Highlight));
    range.format.setForeground(palette().brush(QPalette::HighlightedText));
    selections.append(range);
  }
  painter.setPen(palette().color(QPalette::WindowText));
  prefix.layout().draw(&painter, QPointF(0, 0), selections, event->rect());
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

int CaptionLabel::CursorAt(int x) const {
  PrefixLine prefix(text().left(PrefixReaching(x)), font());
  return prefix.line().xToCursor(x, QTextLine::CursorBetweenCharacters);
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

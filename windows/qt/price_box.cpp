#include "windows/price_box.h"

#include <QChar>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "windows/dialogs.h"

namespace wave {

namespace {

bool IsLineBreakOrTab(QChar c) {
  return c == u'\t' || c == u'\n' || c == u'\r';
}

// Spaces other than the blank, tab and line breaks the readers know: every
// Unicode space separator, line and paragraph separators, and the rest of
// the white space controls.
bool IsOtherSpace(char32_t c) {
  if (c == U' ') return false;
  switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      return c == U'\v' || c == U'\f' || c == U'\x85';
  }
}

// The part of now that an edit of before inserted, as [from, to).
std::pair<qsizetype, qsizetype> Inserted(const QString& before,
                                         const QString& now) {
  const qsizetype shorter = std::min(before.size(), now.size());
  qsizetype head = 0;
  while (head < shorter && before[head] == now[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
    ++tail;
  }
  return {head, now.size() - tail};
}

class PriceValidator : public QValidator {
 public:
  explicit PriceValidator(QObject* parent) : QValidator(parent) {}

  State validate(QString& text, int& cursor) const override {
    if (text.size() > PriceBox::kMaxLength) return Invalid;
    const auto [from, to] = Inserted(accepted_, text);
    text = CleanPrice(text, from, to, &cursor);
    accepted_ = text;
    return Acceptable;
  }

 private:
  // What the box last held, to tell what an edit inserted.
  mutable QString accepted_;
};

}  // namespace

QString TooLongText() {
  return QStringLiteral("内容过长（超过 %1 个字符），未能放入输入框。")
      .arg(PriceBox::kMaxLength);
}

QString CleanPrice(const QString& text, qsizetype from, qsizetype to,
                   int* cursor) {
  qsizetype lead_end = from;
  while (lead_end < to && IsLineBreakOrTab(text[lead_end])) ++lead_end;
  qsizetype trail_start = to;
  while (trail_start > lead_end && IsLineBreakOrTab(text[trail_start - 1])) {
    --trail_start;
  }
  QString clean;
  clean.reserve(text.size());
  int moved_cursor = -1;
  for (qsizetype i = 0; i < text.size();) {
    if (i >= *cursor && moved_cursor < 0) {
      moved_cursor = static_cast<int>(clean.size());
    }
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() &&
                      text[i + 1].isLowSurrogate();
    const char32_t c =
        pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
    const qsizetype width = pair ? 2 : 1;
    const bool trimmed =
        (i >= from && i < lead_end) || (i >= trail_start && i < to);
    if (trimmed || QChar::category(c) == QChar::Other_Format) {
      // dropped
    } else if (c >= U'\xFF01' && c <= U'\xFF5E') {
      clean.append(QChar(static_cast<char16_t>(c - 0xFEE0)));
    } else if (IsOtherSpace(c)) {
      clean.append(QLatin1Char(' '));
    } else {
      clean.append(text.mid(i, width));
    }
    i += width;
  }
  *cursor = moved_cursor < 0 ? static_cast<int>(clean.size()) : moved_cursor;
  return clean;
}

PriceBox::PriceBox(QWidget* parent) : QLineEdit(parent) {
  // One more than the limit: an edit that reaches it is refused by the
  // validator as a whole, instead of being cut short silently.
  setMaxLength(kMaxLength + 1);
  setValidator(new PriceValidator(this));
  connect(this, &QLineEdit::inputRejected, this, &PriceBox::TellTooLong);
}

// Once per refused edit, after the box has put its text back.
void PriceBox::TellTooLong() {
  if (std::exchange(telling_, true)) return;
  QTimer::singleShot(0, this, [this] {
    ShowMessage(window(), TooLongText());
    telling_ = false;
  });
}

}  // namespace wave

#include "core/board.h"

#include <utility>

#include "core/number_text.h"

namespace wave {

namespace {

std::string WriteRule(const TextRow& row) {
  std::string rule = std::string(row.point) + " = ";
  std::size_t ratio = 0;
  std::string_view rest = row.formula;
  for (std::size_t hole; (hole = rest.find("{}")) != std::string_view::npos;) {
    rule.append(rest.substr(0, hole));
    rule.append(FormatNumber(row.ratios.at(ratio++)));
    rest.remove_prefix(hole + 2);
  }
  rule.append(rest);
  return rule;
}

}  // namespace

std::vector<CaptionInfo> DescribeCaptions(std::span<const TextRow> rows) {
  std::vector<CaptionInfo> captions;
  for (const TextRow& row : rows) {
    if (!row.point.empty()) {
      captions.push_back({row.name, row.point, WriteRule(row)});
    }
  }
  return captions;
}

Board::Board(std::span<const TextRow> rows) : rows_(rows) {
  texts_.reserve(rows.size());
  for (const TextRow& row : rows) texts_.emplace_back(row.design);
}

const std::string& Board::Text(std::string_view name) const {
  return texts_[IndexNamed(name)];
}

void Board::SetText(std::string_view name, std::string text) {
  texts_[IndexNamed(name)] = std::move(text);
}

void Board::Clear() {
  for (const bool numbered : {true, false}) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      const TextRow& row = rows_[i];
      if (!row.point.empty() && row.design.empty() != numbered) {
        texts_[i] = row.design;
      }
    }
  }
}

std::vector<std::string_view> Board::Inputs() const {
  std::vector<std::string_view> inputs;
  for (const TextRow& row : rows_) {
    if (row.point.empty()) inputs.push_back(row.name);
  }
  return inputs;
}

std::size_t Board::IndexNamed(std::string_view name) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].name == name) return i;
  }
  throw std::invalid_argument("unknown board text: " + std::string(name));
}

}  // namespace wave

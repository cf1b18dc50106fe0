// The flow of one board operation, the same for every button and every
// front end: the boxes' texts into the board, the operation, then every
// caption handed back, also when the operation stopped with a RunError.
// The front end writes the captions into their labels and only then
// reports the error.
#ifndef WAVECALC_WINDOWS_FORMS_OPERATION_H_
#define WAVECALC_WINDOWS_FORMS_OPERATION_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.h"
#include "core/run_error.h"
#include "windows/forms/form_spec.h"

namespace wave {

struct CaptionText {
  std::string_view label;
  std::string text;
};

struct OperationResult {
  std::vector<CaptionText> captions;  // chart order
  std::optional<RunError> error;
};

// A box's text now, UTF-8, by control name.
using BoxText = std::function<std::string(std::string_view box)>;

OperationResult RunOperation(const FormSpec& form, Board& board,
                             const ButtonRow& button, const BoxText& box_text);

// The board's captions as they stand, in chart order.
std::vector<CaptionText> CaptionsOf(const FormSpec& form, const Board& board);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_OPERATION_H_

#include "windows/forms/operation.h"

namespace wave {

std::vector<CaptionText> CaptionsOf(const FormSpec& form, const Board& board) {
  std::vector<CaptionText> captions;
  for (const CaptionInfo& caption : form.captions()) {
    captions.push_back({caption.name, board.Text(caption.name)});
  }
  return captions;
}

OperationResult RunOperation(const FormSpec& form, Board& board,
                             const ButtonRow& button, const BoxText& box_text) {
  OperationResult result;
  if (button.operation == nullptr) return result;
  for (std::string_view input : board.Inputs()) {
    board.SetText(input, box_text(input));
  }
  try {
    button.operation(board);
  } catch (const RunError& error) {
    result.error = error;
  }
  result.captions = CaptionsOf(form, board);
  return result;
}

}  // namespace wave

// Drives both boards with arbitrary inputs and operation sequences. Only
// RunError may escape an operation, and each caption the board computed is
// a number that reads back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/falling_board.h"
#include "core/number_text.h"
#include "core/rising_board.h"
#include "core/run_error.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsComputed(std::string_view name) {
  return name != "Label1" && name != "Label2";
}

template <typename Board>
void CheckCaptions(const Board& board) {
  for (const wave::CaptionInfo& caption : Board::Captions()) {
    const std::string& text = board.Text(caption.name);
    if (!IsComputed(caption.name) || text.size() <= 1) continue;
    Require(wave::FormatNumber(wave::ParseStrict(text)) == text);
  }
}

template <typename Board, typename Step>
void Try(Board& board, Step step) {
  try {
    step(board);
  } catch (const wave::RunError&) {
  }
  CheckCaptions(board);
}

}  // namespace

// Layout: one byte of operations, then Text1 and Text2 split at the first
// '|'.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t operations = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1,
                              size - 1);
  const std::size_t bar = rest.find('|');
  const std::string start(rest.substr(0, bar));
  const std::string end(bar == std::string_view::npos ? std::string_view()
                                                      : rest.substr(bar + 1));

  wave::RisingBoard rising;
  rising.SetText("Text1", start);
  rising.SetText("Text2", end);
  wave::FallingBoard falling;
  falling.SetText("Text1", start);
  falling.SetText("Text2", end);
  for (int i = 0; i < 8; i += 2) {
    switch ((operations >> i) & 3) {
      case 0:
        Try(rising, [](wave::RisingBoard& b) { b.Calculate(); });
        break;
      case 1:
        Try(rising, [](wave::RisingBoard& b) { b.Adjust(); });
        break;
      case 2:
        Try(rising, [](wave::RisingBoard& b) { b.Clear(); });
        break;
      default:
        Try(falling, [](wave::FallingBoard& b) { b.Calculate(); });
        break;
    }
  }
  return 0;
}

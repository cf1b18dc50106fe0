// How often fifteen digits still show the binary arithmetic underneath: of
// random pairs of two-decimal prices, the share where some caption of
// either board, or of 调整, has more decimals than its exact value could
// have (prices have two, ratios at most three, the mid-point one more).
// Usage: artefact_count [pairs]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/falling_board.h"
#include "core/rising_board.h"
#include "core/run_error.h"

namespace {

constexpr std::size_t kExactDecimals = 5;

bool ShowsArtefact(const std::string& caption) {
  const std::size_t point = caption.find('.');
  return point != std::string::npos && caption.find('E') == std::string::npos &&
         caption.size() - point - 1 > kExactDecimals;
}

template <typename Board>
bool AnyArtefact(const Board& board) {
  for (const wave::CaptionInfo& caption : Board::Captions()) {
    if (ShowsArtefact(board.Text(caption.name))) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  const long pairs = argc > 1 ? std::atol(argv[1]) : 200000;
  std::mt19937_64 random(2026);
  std::uniform_int_distribution<int> cents(1, 999999);  // 0.01 to 9999.99
  const auto price = [&] {
    const int value = cents(random);
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", value / 100, value % 100);
    return std::string(text);
  };
  long counted = 0, shown = 0;
  for (long i = 0; i < pairs; ++i) {
    const std::string start = price(), end = price();
    wave::RisingBoard rising;
    wave::FallingBoard falling;
    for (wave::Board* board : {static_cast<wave::Board*>(&rising),
                               static_cast<wave::Board*>(&falling)}) {
      board->SetText("Text1", start);
      board->SetText("Text2", end);
    }
    try {
      rising.Calculate();
      const bool calculated = AnyArtefact(rising);
      rising.Adjust();
      falling.Calculate();
      shown += calculated || AnyArtefact(rising) || AnyArtefact(falling);
      ++counted;
    } catch (const wave::RunError&) {
      // a first leg beyond the 16-bit length: no captions to look at
    }
  }
  std::printf(
      "%ld of %ld pairs (%.1f%%) show a caption with more than %zu "
      "decimals\n",
      shown, counted, 100.0 * shown / counted, kExactDecimals);
  return 0;
}

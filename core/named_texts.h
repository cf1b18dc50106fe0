// Storage for a board's texts, addressed by control name from outside and by
// index from inside the board, so the operations never look names up.
#ifndef WAVECALC_CORE_NAMED_TEXTS_H_
#define WAVECALC_CORE_NAMED_TEXTS_H_

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wave {

template <std::size_t kCount>
class NamedTexts {
 public:
  using Names = std::array<std::string_view, kCount>;

  NamedTexts(const Names& names, const Names& initial) : names_(names) {
    for (std::size_t i = 0; i < kCount; ++i) texts_[i] = initial[i];
  }

  std::string& operator[](std::size_t index) { return texts_[index]; }
  const std::string& operator[](std::size_t index) const {
    return texts_[index];
  }

  // An unknown name is a programming error of the caller.
  std::size_t IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < kCount; ++i) {
      if (names_[i] == name) return i;
    }
    throw std::invalid_argument("unknown board text: " + std::string(name));
  }

 private:
  const Names& names_;
  std::array<std::string, kCount> texts_;
};

}  // namespace wave

#endif  // WAVECALC_CORE_NAMED_TEXTS_H_

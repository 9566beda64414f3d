#include "model/utf8_text.h"

namespace quorvin {

std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u;
    if (!continuation && characters++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace quorvin

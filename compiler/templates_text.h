#pragma once
// Small text operations the box templates share: case folding of MATLAB
// names, quoting of typed text, and the "Input<d>" placeholders.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ascii_case.h"
#include "model/box_record.h"

namespace quorvin {

// Text ready to stand between two apostrophes in MATLAB: each apostrophe
// doubled, so a prompt such as What's x stays one string literal.
std::string apostrophesDoubled(std::string_view text);

// A file path as one word of a command (load, save). A plain path is
// written as it stands; any other is put in apostrophes, which both
// interpreters read as the whole file name.
std::string pathAsCommandWord(std::string_view path);

// Which spellings of the placeholder word count.
enum class PlaceholderCase { ExactInput, InputOrLowerInput };

// Every placeholder word followed by the digit 1, 2 or 3 becomes the
// variable of the box linked to that entry ("box" InLink(d)). A word
// followed by anything else, or standing at the very end, names no entry
// and is left as typed.
std::string withInputsReplaced(std::string_view text,
                               const std::array<int16_t, kEntries + 1>& inLink,
                               PlaceholderCase spelling);

}  // namespace quorvin

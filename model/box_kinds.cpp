#include "model/box_kinds.h"

namespace quorvin {

std::span<const KindInfo> BoxKinds() { return {}; }
IconCell SelectBoxIcon(const std::string&) { return {}; }
std::string BoxIconKey(const BoxRecord& box) { return box.Kind; }

}  // namespace quorvin

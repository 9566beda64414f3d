#pragma once
// What a copy of a box takes from its source, whether one box is copied or a
// whole selection.

#include "model/box_record.h"

namespace quorvin {

// Kind, status, parameters and exit colours of src go to copy; its links are
// not copied (those slots become free) but its absent slots stay absent.
// Document and position are the caller's.
void CopyUnlinked(const BoxRecord& src, BoxRecord& copy);

}  // namespace quorvin

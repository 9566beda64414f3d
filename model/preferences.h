#pragma once
// The live preferences: the frame fills them from the settings file and the
// preferences window changes them; everyone else reads them where they are
// used, at the moment they are needed, and never keeps a copy.

namespace quorvin {

struct Preferences {
  // "Use All Boxs with No Inputs as Starting Boxs": a compile also starts at
  // every box of the document whose three entries are free.
  bool chkInput = false;
};

}  // namespace quorvin

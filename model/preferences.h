#pragma once
// The live preferences: the frame fills them from the settings file and the
// preferences window changes them; everyone else reads them where they are
// used, at the moment they are needed, and never keeps a copy. The texts are
// held as the preferences window shows them, so that what is saved is what
// the person sees.

#include <string>

namespace quorvin {

struct Preferences {
  // "Use All Boxs with No Inputs as Starting Boxs": a compile also starts at
  // every box of the document whose three entries are free. Off unless the
  // preferences window says otherwise (it starts it on: DesignPreferences).
  bool chkInput = false;
  // "Show Identification Bubbles": hover bubbles in the documents.
  bool chkShowBubbles = true;
  // The arrow line width as typed, normally "1" to "4" (LineWidthOf).
  std::string txtLineWidth = "1";
  // "Show Default Toolbox:": the toolbox palette is shown.
  bool chkShowToolbox = true;
  // The check of every "Show Toolbox" item: the palette is meant to be shown
  // now. The start-up and the Preferences command set it from
  // chkShowToolbox; the Show Toolbox items and the palette's close box
  // change it alone, and no file keeps it. Off until the start-up has
  // shown or hidden the palette.
  bool toolboxShown = false;
  // The title of the current toolbox file; "default.tlb" is the built-in one.
  std::string txtToolbox = "default.tlb";
  // The palette's shape as columns, "X", rows ("3X2"); empty before the
  // palette was first resized.
  std::string lbltoolboxsize;
  // The drive letters the m-file scan looks at.
  std::string txtDrives = "abcdef";
};

// The preferences as the preferences window holds them before the settings
// file is read: the model's defaults, with chkInput on.
inline Preferences DesignPreferences() {
  Preferences p;
  p.chkInput = true;
  return p;
}

// The arrow line width a document draws with: txtLineWidth as a number,
// rounded to the nearest whole number (a half to the even one), held to 1..4;
// 1 for a text that is no number.
int LineWidthOf(const Preferences& p);

}  // namespace quorvin

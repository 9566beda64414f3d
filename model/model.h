#pragma once
// The state every window shares for the whole run: the open documents, the
// editor with the box table and the editing state it owns, the live
// preferences, and the hosts the model reports to.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/box_editor.h"
#include "model/box_table.h"
#include "model/documents.h"
#include "model/host.h"
#include "model/preferences.h"
#include "model/recent_files.h"

namespace quorvin {

enum class SaveMode { Save = 1, SaveAs = 2 };

struct Model {
  Model(Dialogs& d, DocumentViews& v, SettingsStore& store)
      : editor(documents, d, v), dialogs(d), views(v), recentFiles(store, v) {}

  DocumentTable documents;
  // The only code that edits boxes or changes the edit mode.
  BoxEditor editor;
  // The boxes, as every reader sees them.
  const BoxTable& table = editor.table();
  std::string appDir;
  Preferences prefs;

  Dialogs& dialogs;
  DocumentViews& views;
  RecentFiles recentFiles;
};

// Claims a document number, resets its state and opens its window.
int NewDocument(Model& m);

// What a document keeps besides its boxes changes here, as its boxes change
// through the editor; a number that names no open document changes nothing.
// Document doc's current arrow colour becomes colour (0x00BBGGRR, the high
// byte dropped): the boxes created on it from now on take it, and its view
// is told once. No file keeps the colour, so the document does not count as
// changed.
void SetArrowColour(Model& m, int doc, std::uint32_t colour);
// A press on document doc's canvas hid the rubber band a selection had left
// on it: the document counts as changed, as after an edit.
void RubberBandDismissed(Model& m, int doc);

// Saves document doc; Save asks for a file only while it has none. True when
// a file was written.
bool SaveDocument(Model& m, int doc, SaveMode saveMode);

// The largest flowchart file read: 350 boxes of long formulas and plot
// code take a few megabytes at most.
constexpr std::size_t kLargestFlowchartFile = std::size_t{64} << 20;

// Reads a flowchart file into a new document; an empty path asks for one.
// True when the file was loaded; otherwise the user was told why (unless the
// dialog was cancelled) and the new document, if any, stays empty. Never
// throws for a file that cannot be read.
bool LoadFlowchart(Model& m, const std::string& path);

// The reading half of LoadFlowchart: appends the flowchart in text to
// document doc, or tells the user why not and changes nothing. path names
// the file in messages and becomes the document's file.
bool ReadFlowchartInto(Model& m, int doc, std::string_view text, const std::string& path);

}  // namespace quorvin

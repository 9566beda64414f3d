#pragma once
// The one editor of the flowchart. It owns the box table and the editing
// state (the edit mode, the selection and its anchor, the arrow tool's
// source) and is the only code that creates, types, places, moves, copies,
// links, unlinks, recolours and deletes boxes, and that writes a record
// (a compile hands it the one answer it keeps). Every edit marks the
// documents it changed and tells their views once. Positions are canvas
// twips: a window adds its scroll values to a pointer before it hands it
// over. The operations live in box_editor.cpp (modes, new and waiting
// boxes), box_editor_placing.cpp, box_editor_linking.cpp and
// box_editor_deletion.cpp.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/box_record.h"
#include "model/box_table.h"
#include "model/documents.h"
#include "model/host.h"
#include "model/slot_set.h"
#include "model/twips.h"

namespace quorvin {

// What a click on a document does next: nothing (Off), select, place the
// pending box, choose an arrow's source or target, move or copy the selection.
// Copying is entered by no operation (a copy takes its new numbers from the
// editor directly); it keeps its number among the modes, and a press on
// the canvas in it only hides the rubber band.
enum class EditMode { Off = 0, Select = 1, Placing = 2, ArrowArmed = 3, ArrowSource = 4,
                      Move = 5, Copy = 6, Copying = 7 };

// The ticks of the Box Information dialog at OK, indexed like the slots
// (entries 1..3, exits 1..5; element 0 is never used).
struct BoxInformationAnswer {
  std::array<bool, kEntries + 1> disconnectFrom{};
  std::array<bool, kExits + 1> disconnectTo{};
  bool openLockedInputs = false;
  bool openLockedOutputs = false;
};

// What an insert command makes of the pending box: its kind, its parameters
// and the entries and exits it has (free; every other slot is absent).
struct BoxType {
  std::string kind;
  std::string params;
  SlotSet entries;
  SlotSet exits;
};

// A comment keeps at most this many characters.
constexpr std::size_t kCommentLength = 100;

namespace testing_support {
struct EditorBackdoor;
}

class BoxEditor {
 public:
  // Edits mark documents changed, ask and tell the person through dialogs
  // and show on views.
  BoxEditor(DocumentTable& documents, Dialogs& dialogs, DocumentViews& views)
      : documents_(documents), dialogs_(dialogs), views_(views) {}
  BoxEditor(const BoxEditor&) = delete;
  BoxEditor& operator=(const BoxEditor&) = delete;

  const BoxTable& table() const { return table_; }

  EditMode mode() const { return mode_; }
  // The selected boxes in ascending number (rubber band); empty for none.
  const std::vector<int16_t>& selection() const { return selection_; }
  // Where the rubber band's top-left corner lay at the last selection:
  // moving and copying put this point on the pointer.
  int32_t anchorX() const { return anchorX_; }
  int32_t anchorY() const { return anchorY_; }
  // The source box of the arrow being drawn.
  int arrowSource() const { return arrowFrom_; }

  // The box an insert command left waiting for its placing click: it has a
  // number and a record but no place on any canvas yet. The table marks it
  // (BoxTable::waitingBox), so that no reader of the placed boxes (canvas,
  // page view, file, compile) counts it; and whenever the mode moves on
  // without placing it, it is dropped rather than left behind. Its number,
  // or 0 when none waits.
  int pendingBox() const { return table_.waitingBox(); }
  bool isPendingBox(int n) const { return n != 0 && n == pendingBox(); }

  // Creates the pending box nextBox on document doc, every exit in the
  // document's arrow colour; while a box already waits, clears that one for
  // the kind chosen next instead. False when refused: doc is not open, or
  // the table is full (the user is told).
  bool newBox(int doc);
  // How many more boxes the table takes.
  int freeNumbers() const;
  // The boxes of a flowchart file, in file order, become document doc's
  // boxes nextBox on; their links and the box names in their parameter
  // texts, file numbers 1..N, are renumbered to match, and no other name
  // in those texts is left naming one of them. False, changing nothing,
  // when they do not all fit.
  bool appendBoxes(int doc, std::vector<BoxRecord> boxes);
  // Box n, while it is the pending box, takes type. Nothing shows until the
  // box is placed, so no document changes. False, writing nothing, when n is
  // no longer the pending box (a dialog that asked for its type ran long).
  bool typePendingBox(int n, const BoxType& type);
  // Drops the pending box, if any: its record is cleared, its number freed
  // and the mode returns to select. No document counts as changed, since the
  // box never showed on one.
  void discardPendingBox();

  // The modes the Edit menu, the arrow tool and the toolbox arm. Each drops
  // a box still waiting, as every mode that leaves placing behind does.
  void armArrowTool();  // the no-drop pointer on every document
  void armMove();
  void armCopy();
  // Select mode, without a waiting box.
  void enterSelectMode();
  // A connect gesture in progress is dropped (a tool was picked); any other
  // mode stays.
  void endArrowGesture();
  // While Exit asks each document in turn nothing on a canvas answers (Off),
  // but a box waiting to be placed keeps its mode: a save on the way leaves
  // it out, and a closing gives it up, as they do at any other time. The
  // mode before, for resumeAfterExit.
  EditMode holdForExit();
  // An exit that stopped: the mode held comes back, unless a closing on the
  // way has set one (it deletes boxes and selects).
  void resumeAfterExit(EditMode before);
  // The arrow being drawn starts at box n; the next box clicked is its target.
  void chooseArrowSource(int n);
  // The arrow being drawn ends at box target: the first free exit of the
  // source links to the first free entry of target. Boxes of two documents,
  // a full target or a full source are refused with a message, in that
  // order. Either way the gesture ends in select mode.
  void connectArrowTo(int target);

  // The pending box goes to (x, y) on document doc, which it now belongs to
  // even when it was asked for on another one.
  void placePendingBox(int doc, double x, double y);
  // The selected boxes of document doc move so that the anchor lands on
  // (x, y); each keeps its offset from the anchor. Boxes of other documents
  // stay.
  void moveSelection(int doc, double x, double y);
  // Copies of the selected boxes go to document doc, laid out as the
  // selection is around (x, y); the links between two copied boxes are
  // repeated between their copies. At the box limit the copies made so far
  // stay (the user is told once).
  void copySelection(int doc, double x, double y);
  // A copy of box n waits to be placed on doc like a newly inserted box; it
  // keeps the kind, parameters, colours and absent slots of n but none of
  // its links.
  void copyBox(int doc, int n);
  // Box n of document doc gets its top-left corner at (x, y). A box of
  // another document, or the pending one, stays; false then.
  bool dropBox(int doc, int n, double x, double y);

  // The selection becomes the boxes of document doc whose top-left corner
  // lies strictly inside band, and band's corner the anchor.
  void selectInside(int doc, const TwipsRect& band);
  // Nothing is selected; the anchor stays.
  void deselect();
  // Deletes the selected boxes and keeps the numbers dense (the highest box
  // takes each freed number); quiet spares the warnings about boxes whose
  // parameters use a deleted one. The mode returns to select.
  void deleteSelection(bool quiet);
  // Deletes every box of document doc (quietly), as its closing does; the
  // boxes of other documents are renumbered to stay dense.
  void deleteDocumentBoxes(int doc);

  // Edit > Redraw Arrows: document doc's window draws its arrows again.
  void redrawArrows(int doc);

  // Box Information's OK on box n: cuts the ticked links on both ends, then
  // opens the absent slots when asked. Each ticked link frees exactly one
  // slot at the other end; with two links between the same boxes the k-th
  // of one end pairs with the k-th of the other. The arrows are drawn again
  // whether or not anything changed. True when a record changed.
  bool applyBoxInformation(int n, const BoxInformationAnswer& answer);
  // All five exits of box n take colour (0x00BBGGRR) at once. True when a
  // colour changed.
  bool recolourExits(int n, int32_t colour);
  // The comment editor's answer: Params of box n := text cut to
  // kCommentLength characters (UTF-8 characters, never a split one). A text
  // equal to the comment changes nothing, so a longer comment read from a
  // file is not cut by merely looking at it. True when the text changed.
  bool editComment(int n, const std::string& text);
  // The one thing a compile keeps in the boxes: the answer Keyboard Input
  // box n was given goes into its Params, to be proposed again at the next
  // compile. The flowchart is no different for it, so no document counts
  // as changed and nothing is shown again. False, writing nothing, when n
  // is no Keyboard Input box.
  bool keepKeyboardAnswer(int n, const std::string& answer);

 private:
  // Tests set up states no edit makes (tests/support/editor_backdoor.h).
  friend struct testing_support::EditorBackdoor;

  // Document doc has unsaved edits, and its window shows its boxes again.
  void changed(int doc);
  // A fresh record nextBox on document doc, every exit in the document's
  // arrow colour: always a new number. Its number, or 0 when refused: doc
  // is not open, or the table is full (the user is told).
  int makeBox(int doc);

  BoxTable table_;
  EditMode mode_ = EditMode::Off;
  std::vector<int16_t> selection_;
  int arrowFrom_ = 0;
  int32_t anchorX_ = 0;
  int32_t anchorY_ = 0;
  DocumentTable& documents_;
  Dialogs& dialogs_;
  DocumentViews& views_;
};

}  // namespace quorvin

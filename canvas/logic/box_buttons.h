#pragma once
// What the box buttons of a document window do: a click connects two boxes
// or copies one, a right click toggles the button's drag mode, a drop moves
// the box, and the mouse over a button shows the identification bubble.

#include "canvas/logic/canvas_state.h"
#include "model/model.h"

namespace quorvin {

// A click on box n's button in document doc's window.
void BoxClick(Model& m, const WindowState& w, int doc, int n);

enum class BoxPress { Nothing, DragModeToggled, BoxInformation };

// A press on box n's button: the right button without a modifier key toggles
// its drag mode; the middle button, or the right one with a modifier key,
// asks for the box's information (which the window opens).
BoxPress BoxMouseDown(WindowState& w, int n, MouseButton button, ModifierKeys keys);

// Box deleted is gone and box highest took its number (Edit > Clear Boxes,
// a closing): the drag mode of highest's button goes with it to deleted's
// number, and highest's number is free again, so that the next box to take
// it starts, as every new button does, in manual drag mode.
void BoxRenumbered(WindowState& w, int deleted, int highest);

// Box n's button, at button in window twips, was dropped on document doc's
// window at x, y: the button is centred there. A button dragged from another
// document's window is refused and nothing changes; false then.
bool FormDragDrop(Model& m, WindowState& w, int doc, int n, const WindowRect& button, double x,
                  double y);

// The mouse over box n's button, at button in window twips.
void BoxMouseMove(const Model& m, WindowState& w, int n, const WindowRect& button);

// Where a bubble of that width and height shows so that it can be read
// whole: at its place (the button's bottom-right corner) when it fits in
// the canvas of areaWidth by areaHeight, the part of the window left of
// and above the scroll bars; else moved left, and above its button, as far
// as it must, never past the canvas's top-left corner.
TwipsPoint BubbleShown(const Bubble& bubble, double width, double height, double areaWidth,
                       double areaHeight);

}  // namespace quorvin

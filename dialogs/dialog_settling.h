#pragma once
// What every box parameter dialog does once its widgets are laid out, so
// that all of them behave alike for a person at the keyboard:
//  - Tab visits the fields in the order the layouts place them on the
//    screen (rows top to bottom, each left to right; columns of a layout of
//    columns one after the other), OK last where it stands last;
//  - focus starts in the field a person fills first: the one given, or the
//    first field in that order (of a group of options, the chosen one); a
//    dialog opening in a text field selects its text, so typing replaces it;
//  - the window keeps the size its layout asks for, widened to show its
//    whole title under a window manager, and can be neither resized nor
//    maximised.

class QDialog;
class QWidget;

namespace quorvin {

void SettleParameterDialog(QDialog& dialog, QWidget* first = nullptr);

}  // namespace quorvin

#pragma once
// Qt access to the icon sheet (the picture-clip control `icons` of the
// toolbox window): the generated picture ":/icons/icons.png", 15 cells of 32 by
// 32 pixels per row. Needs a QGuiApplication.

#include <QPixmap>

#include <string>

#include "model/box_kinds.h"
#include "model/box_record.h"

namespace quorvin {

// The resource path of the sheet.
inline constexpr const char* kIconSheetResource = ":/icons/icons.png";

// The whole sheet (480 by 320 pixels).
QPixmap IconSheet();

// The 32 by 32 cell of icon number n (IconCellOf); an empty pixmap for a number
// outside 1..150.
QPixmap IconForNumber(int number);

// The 32 by 32 cell that SelectBoxIcon(key) selects: the clipped picture that
// the caller puts on a box button; an unknown key gives cell 104.
QPixmap IconForKey(const std::string& key);

// The picture of a stored box: IconForKey(BoxIconKey(box)).
QPixmap IconForBox(const BoxRecord& box);

// The program's own picture: the logo of the splash window and the icon of
// its windows.
QPixmap ProgramIcon();

}  // namespace quorvin

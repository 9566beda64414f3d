#include "platform/icon_sheet.h"

#include <QString>

namespace quorvin {

QPixmap IconSheet() {
  // QPixmap's file loading keeps the decoded sheet in QPixmapCache.
  return QPixmap(QString::fromLatin1(kIconSheetResource));
}

QPixmap IconForNumber(int number) {
  if (number < 1 || number > kIconsPerRow * kIconRows) return {};
  const IconCell cell = IconCellOf(number);
  return IconSheet().copy(cell.x, cell.y, kIconSize, kIconSize);
}

QPixmap IconForKey(const std::string& key) { return IconForNumber(SelectBoxIcon(key).number); }

QPixmap IconForBox(const BoxRecord& box) { return IconForKey(BoxIconKey(box)); }

QPixmap ProgramIcon() { return IconForKey("For"); }

}  // namespace quorvin

#include "dialogs/dialog_settling.h"

#include <QDialog>
#include <QGridLayout>
#include <QLayout>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "platform/title_bar.h"

namespace quorvin {

namespace {

void CollectFields(const QLayout& layout, std::vector<QWidget*>& fields);

// The widget itself when Tab stops at it, then the fields of its own layout
// (a group box's).
void CollectFields(QWidget& widget, std::vector<QWidget*>& fields) {
  if ((widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus) fields.push_back(&widget);
  if (const QLayout* inner = widget.layout()) CollectFields(*inner, fields);
}

void CollectItem(QLayoutItem& item, std::vector<QWidget*>& fields) {
  if (QWidget* widget = item.widget()) {
    CollectFields(*widget, fields);
  } else if (const QLayout* inner = item.layout()) {
    CollectFields(*inner, fields);
  }
}

// A grid's items in reading order, whatever order they were added in; any
// other layout's in its own order.
void CollectFields(const QLayout& layout, std::vector<QWidget*>& fields) {
  struct Placed {
    int row, column, index;
  };
  std::vector<Placed> order;
  const auto* grid = qobject_cast<const QGridLayout*>(&layout);
  for (int i = 0; i < layout.count(); ++i) {
    int row = 0, column = i, rowSpan = 0, columnSpan = 0;
    if (grid != nullptr) grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    order.push_back({row, column, i});
  }
  std::stable_sort(order.begin(), order.end(), [](const Placed& a, const Placed& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  });
  for (const Placed& p : order) CollectItem(*layout.itemAt(p.index), fields);
}

// Of a group of options the chosen one takes the focus, as Tab gives it.
QWidget* ChosenOption(QWidget* field, const std::vector<QWidget*>& fields) {
  const auto* option = qobject_cast<QRadioButton*>(field);
  if (option == nullptr || option->isChecked() || !option->autoExclusive()) return field;
  for (QWidget* other : fields) {
    const auto* sibling = qobject_cast<QRadioButton*>(other);
    if (sibling != nullptr && sibling->parentWidget() == option->parentWidget() &&
        sibling->autoExclusive() && sibling->isChecked())
      return other;
  }
  return field;
}

}  // namespace

void SettleParameterDialog(QDialog& dialog, QWidget* first) {
  std::vector<QWidget*> fields;
  if (const QLayout* layout = dialog.layout()) CollectFields(*layout, fields);
  for (std::size_t i = 1; i < fields.size(); ++i) QWidget::setTabOrder(fields[i - 1], fields[i]);

  if (first == nullptr) {
    const auto open = std::find_if(fields.begin(), fields.end(), [](const QWidget* field) {
      return !field->isHidden() && field->isEnabled();
    });
    if (open != fields.end()) first = ChosenOption(*open, fields);
  }
  if (first != nullptr) first->setFocus();

  if (QLayout* layout = dialog.layout()) layout->activate();
  QSize size = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();
  size = size.expandedTo(dialog.minimumSizeHint());
  size.setWidth(std::max(size.width(), TitleBarWidth(dialog)));
  dialog.setFixedSize(size);
}

}  // namespace quorvin

#include "dialogs/matrix_dialog.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "dialogs/named_widget.h"

namespace quorvin {

namespace {

QTableWidgetItem* Item(const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

MatrixGridView::MatrixGridView(QWidget* parent) : QTableWidget(parent) {
  setObjectName("grid");
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);  // Tab reaches keyPressEvent instead of leaving the grid
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { cellChosen(row, column); });
  refresh();
}

std::optional<MatrixGrid::Key> MatrixGridView::GridKeyOf(int qtKey) {
  using Key = MatrixGrid::Key;
  switch (qtKey) {
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Tab: return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    default: return std::nullopt;
  }
}

void MatrixGridView::keyPressEvent(QKeyEvent* event) {
  // Escape closes the dialog, as on any dialog.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  if (const auto key = GridKeyOf(event->key()))
    grid_.press(*key);
  else
    grid_.type(event->text().toStdString());
  event->accept();
  refresh();
}

void MatrixGridView::inputMethodEvent(QInputMethodEvent* event) {
  grid_.type(event->commitString().toStdString());
  event->accept();
  refresh();
}

void MatrixGridView::refresh() {
  refreshing_ = true;
  const int dataRows = grid_.rows() - 1;
  const int dataCols = grid_.cols() - 1;
  setRowCount(dataRows);
  setColumnCount(dataCols);
  for (int c = 1; c <= dataCols; ++c) setHorizontalHeaderItem(c - 1, Item(grid_.text(0, c)));
  for (int r = 1; r <= dataRows; ++r) {
    setVerticalHeaderItem(r - 1, Item(grid_.text(r, 0)));
    for (int c = 1; c <= dataCols; ++c) {
      if (QTableWidgetItem* shown = item(r - 1, c - 1))
        shown->setText(QString::fromStdString(grid_.text(r, c)));
      else
        setItem(r - 1, c - 1, Item(grid_.text(r, c)));
    }
  }
  setCurrentCell(grid_.row() - 1, grid_.col() - 1);
  // A row or column just added is not yet in the scroll range the current
  // cell was scrolled to: bring it into view once the range holds it.
  updateGeometries();
  scrollTo(currentIndex());
  refreshing_ = false;
}

QSize MatrixGridView::sizeHint() const {
  const int dataRows = MatrixGrid::kInitialRows - 1;
  const int dataCols = MatrixGrid::kInitialCols - 1;
  return {2 * frameWidth() + verticalHeader()->sizeHint().width() +
              dataCols * horizontalHeader()->defaultSectionSize(),
          2 * frameWidth() + horizontalHeader()->sizeHint().height() +
              dataRows * verticalHeader()->defaultSectionSize()};
}

void MatrixGridView::cellChosen(int row, int column) {
  if (refreshing_ || row < 0 || column < 0) return;
  grid_.select(row + 1, column + 1);
}

MatrixDialog::MatrixDialog(QWidget* parent)
    : QDialog(parent),
      grid(new MatrixGridView(this)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)) {
  setObjectName("frmMatrix");
  setWindowTitle("Matrix Input");
  setModal(true);
  // Enter belongs to the grid; OK is clicked.
  cmdOK->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid, 1);
  layout->addWidget(cmdOK, 0, Qt::AlignRight);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  grid->setFocus();
}

void MatrixDialog::cmdOK_Click() {
  literal_ = grid->model().literal();
  accept();
}

std::string MatrixDialog::answer() const {
  return result() == QDialog::Accepted ? literal_ : FreshMatrixLiteral();
}

std::string AskForMatrix(QWidget* parent) {
  MatrixDialog dialog(parent);
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin

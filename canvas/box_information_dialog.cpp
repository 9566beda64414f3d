#include "canvas/box_information_dialog.h"

#include <QFontMetrics>
#include <QScreen>
#include <algorithm>

#include "canvas/pixel_geometry.h"
#include "dialogs/comment_dialog.h"
#include "platform/qt_questions.h"

namespace quorvin {

namespace {

// The dialog's client area, in twips.
constexpr int kWidth = 3870, kHeight = 4905;
// Rows of links are this far apart, in twips.
constexpr int kRowPitch = 240;

void Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(PixelRect(TwipsRect{static_cast<double>(left), static_cast<double>(top),
                                     static_cast<double>(width), static_cast<double>(height)}));
}

// Record texts are shown as they are, never read as markup.
QLabel* Label(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QCheckBox* CheckBox(QWidget* parent, const QString& name, const QString& caption = {}) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

// One row per slot 1..N-1, a pitch apart: the linked box's label and its
// Disconnect check box, named after the side and the slot ("lblFrom2").
template <std::size_t N, typename Width>
void AddLinkRows(QWidget* parent, std::array<QLabel*, N>& labels,
                 std::array<QCheckBox*, N>& checks, const QString& side, const QString& caption,
                 int firstTop, Width width) {
  for (std::size_t k = 1; k < N; ++k) {
    const int top = firstTop + kRowPitch * static_cast<int>(k - 1);
    labels[k] = Label(parent, QString("lbl%1%2").arg(side).arg(k), caption);
    checks[k] = CheckBox(parent, QString("chk%1%2").arg(side).arg(k));
    Place(labels[k], 120, top, width(k), 252);
    Place(checks[k], 3120, top, 252, 252);
  }
}

template <std::size_t N>
void ShowLinkRows(std::array<QLabel*, N>& labels, std::array<QCheckBox*, N>& checks,
                  const std::array<LinkRow, N>& rows) {
  for (std::size_t k = 1; k < N; ++k) {
    labels[k]->setText(DisplayText(rows[k].caption));
    labels[k]->setVisible(rows[k].shown);
    checks[k]->setVisible(rows[k].shown);
  }
}

}  // namespace

BoxInformationDialog::BoxInformationDialog(Model& m, int n, ColourChooser& colours,
                                           QWidget* parent)
    : QDialog(parent),
      m_(m),
      n_(n),
      colours_(colours) {
  setObjectName("frmInfo");
  setWindowTitle("Box Information");
  setModal(true);
  setFixedSize(WholePixelsFromTwips(kWidth), WholePixelsFromTwips(kHeight));
  // The rows are laid out for an 8-point font; a larger one would be clipped.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  // Created in the order of the table of controls, which is also the tab order.
  lblBoxName = Label(this, "lblBoxName", "This box's name is ");
  Place(lblBoxName, 120, 120, 3612, 252);
  lblfunc = Label(this, "lblfunc", "");
  Place(lblfunc, 120, 480, 3612, 252);
  lblfunc->hide();
  Label1 = Label(this, "Label1", "It get's it's data from:");
  Place(Label1, 120, 720, 2292, 252);
  Label3 = Label(this, "Label3", "Disconnect");
  Place(Label3, 2640, 720, 1092, 252);
  AddLinkRows(this, lblFrom, chkFrom, "From", "from", 960,
              [](std::size_t k) { return k == kEntries ? 2892 : 2772; });
  chkLockedInputs = CheckBox(this, "chkLockedInputs", "Open Locked Inputs");
  Place(chkLockedInputs, 120, 1680, 2652, 252);
  Label2 = Label(this, "Label2", "It gives it's data to:");
  Place(Label2, 120, 2040, 3132, 252);
  AddLinkRows(this, lblTo, chkTo, "To", "to", 2280, [](std::size_t) { return 2892; });
  chkLockedOutputs = CheckBox(this, "chkLockedOutputs", "Open Locked Outputs");
  Place(chkLockedOutputs, 120, 3480, 2652, 252);
  lblEmpty = Label(this, "lblEmpty", "emptys");
  lblEmpty->setWordWrap(true);
  lblEmpty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Place(lblEmpty, 120, 3840, 3612, 492);
  cmdColor = Button(this, "cmdColor", "Change color");
  Place(cmdColor, 120, 4440, 1455, 375);
  cmdCancel = Button(this, "cmdCancel", "Cancel");
  Place(cmdCancel, 1800, 4440, 855, 375);
  cmdOK = Button(this, "cmdOK", "OK");
  Place(cmdOK, 2880, 4440, 855, 375);
  cmdOK->setDefault(true);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(cmdColor, &QPushButton::clicked, this, [this] { cmdColor_Click(); });

  const std::optional<BoxInformation> info = DescribeBox(m_.table, n_);
  describesABox_ = info.has_value();
  fill(info.value_or(BoxInformation{}));
}

void BoxInformationDialog::fill(const BoxInformation& info) {
  lblBoxName->setText(DisplayText(info.boxName));
  lblfunc->setText(DisplayText(info.function));
  lblfunc->setVisible(info.showFunction);
  ShowLinkRows(lblFrom, chkFrom, info.from);
  ShowLinkRows(lblTo, chkTo, info.to);
  chkLockedInputs->setVisible(info.showLockedInputs);
  chkLockedOutputs->setVisible(info.showLockedOutputs);
  lblEmpty->setText(DisplayText(info.emptySlots));
  fitTexts();
}

void BoxInformationDialog::fitTexts() {
  std::vector<QLabel*> rows = {lblBoxName, lblfunc};
  for (std::size_t k = 1; k < lblFrom.size(); ++k) rows.push_back(lblFrom[k]);
  for (std::size_t k = 1; k < lblTo.size(); ++k) rows.push_back(lblTo[k]);
  int extra = 0;
  for (const QLabel* row : rows) {
    if (row->isHidden() || row->text().isEmpty()) continue;
    const int needs =
        QFontMetrics(row->font()).boundingRect(QRect(), Qt::TextExpandTabs, row->text()).width();
    extra = std::max(extra, needs - row->contentsRect().width());
  }
  // Kinds are short, but a subroutine's name or a formula may be of any
  // length: the window stays within its screen, and what is still longer
  // is cut at its edge.
  if (const QScreen* shownOn = screen(); shownOn != nullptr)
    extra = std::min(extra, shownOn->availableGeometry().width() - width() - 40);
  if (extra <= 0) return;
  setFixedSize(width() + extra, height());
  rows.push_back(lblEmpty);
  for (QLabel* row : rows) row->resize(row->width() + extra, row->height());
  std::vector<QWidget*> rightColumn = {Label3, cmdCancel, cmdOK};
  for (std::size_t k = 1; k < chkFrom.size(); ++k) rightColumn.push_back(chkFrom[k]);
  for (std::size_t k = 1; k < chkTo.size(); ++k) rightColumn.push_back(chkTo[k]);
  for (QWidget* w : rightColumn) w->move(w->x() + extra, w->y());
}

BoxInformationAnswer BoxInformationDialog::answer() const {
  BoxInformationAnswer a;
  for (int k = 1; k <= kEntries; ++k) a.disconnectFrom[k] = chkFrom[k]->isChecked();
  for (int k = 1; k <= kExits; ++k) a.disconnectTo[k] = chkTo[k]->isChecked();
  a.openLockedInputs = chkLockedInputs->isChecked();
  a.openLockedOutputs = chkLockedOutputs->isChecked();
  return a;
}

bool BoxInformationDialog::applyAnswer() {
  const bool linksChanged =
      result() == QDialog::Accepted && m_.editor.applyBoxInformation(n_, answer());
  return linksChanged || recoloured_;
}

void BoxInformationDialog::cmdOK_Click() { accept(); }

void BoxInformationDialog::cmdCancel_Click() { reject(); }

void BoxInformationDialog::cmdColor_Click() {
  if (RecolourBoxArrows(m_, n_, colours_)) recoloured_ = true;
}

static_assert(CommentDialog::kMaxCharacters == kCommentLength,
              "the editor and the box keep comments of one length");

bool ShowBoxInformation(QWidget* parent, Model& m, int n, ColourChooser& colours) {
  if (IsCommentBox(m.table, n))
    return m.editor.editComment(n, AskForComment(parent, m.table[n].Params));
  BoxInformationDialog dialog(m, n, colours, parent);
  if (!dialog.describesABox()) return false;
  dialog.exec();
  return dialog.applyAnswer();
}

}  // namespace quorvin

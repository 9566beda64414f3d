#include "dialogs/plot_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "dialogs/dialog_settling.h"
#include "dialogs/named_widget.h"
#include "platform/icon_sheet.h"

namespace quorvin {

namespace {

constexpr int kIconBox = 33;  // pctType's side in pixels: a cell and its frame

// Labels show their text as it is, never as markup.
QLabel* Label(QWidget* parent, const char* name, const char* caption) {
  auto* label = Named<QLabel>(name, caption, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// An editable list whose text stays exactly what was picked or typed: no
// completion fills in a longer name while the user types, and Enter adds
// nothing to the list.
QComboBox* ComboBox(QWidget* parent, const char* name) {
  auto* combo = Named<QComboBox>(name, parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  return combo;
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

std::string PlotAnswer::iconKey() const {
  const std::size_t end = commands.find(';');
  return end == std::string::npos ? std::string() : commands.substr(0, end);
}

PlotDialog::PlotDialog(QWidget* parent, Dialogs* questions)
    : QDialog(parent),
      Frame1(Named<QGroupBox>("Frame1", "Graph type", this)),
      cmbType(ComboBox(Frame1, "cmbType")),
      pctType(Label(Frame1, "pctType", "")),
      Frame2(Named<QGroupBox>("Frame2", "Variable Allotment", this)),
      Label1(Label(Frame2, "Label1", "Input #1:")),
      Label5(Label(Frame2, "Label5", "Input #2:")),
      Label6(Label(Frame2, "Label6", "Input #3:")),
      lblxAxis(Label(Frame2, "lblxAxis", "X axis")),
      lblYAxis(Label(Frame2, "lblYAxis", "Y axis")),
      lblZAxis(Label(Frame2, "lblZAxis", "Z axis")),
      Frame3(Named<QGroupBox>("Frame3", "Line color and line type", this)),
      lblLineNum(Label(Frame3, "lblLineNum", "Line #1")),
      sclLinenum(Named<QScrollBar>("sclLinenum", Qt::Horizontal, Frame3)),
      Label8(Label(Frame3, "Label8", "Line Color:")),
      cmbLineColor(ComboBox(Frame3, "cmbLineColor")),
      Label9(Label(Frame3, "Label9", "Line Type:")),
      cmbLineType(ComboBox(Frame3, "cmbLineType")),
      Label11(Label(Frame3, "Label11", "Data points:")),
      cmbPoints(ComboBox(Frame3, "cmbPoints")),
      chkHold(Named<QCheckBox>("chkHold", "Hold figure", this)),
      chkFigure(Named<QCheckBox>("chkFigure", "New figure", this)),
      chkGrid(Named<QCheckBox>("chkGrid", "Add grid", this)),
      Frame4(Named<QGroupBox>("Frame4", "Graph Title and Axes Label", this)),
      Label7(Label(Frame4, "Label7", "Title:")),
      txtTitle(Named<QLineEdit>("txtTitle", Frame4)),
      lblXlabel(Label(Frame4, "lblXlabel", "X Label:")),
      txtXLabel(Named<QLineEdit>("txtXLabel", Frame4)),
      lblYlabel(Label(Frame4, "lblYlabel", "Y Label:")),
      txtYLabel(Named<QLineEdit>("txtYLabel", Frame4)),
      lblZLabel(Label(Frame4, "lblZLabel", "Z Label:")),
      txtZLabel(Named<QLineEdit>("txtZLabel", Frame4)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)),
      questions_(this, questions) {
  setObjectName("frmPlot");
  setWindowTitle("Plot Options");
  setModal(true);
  pctType->setFixedSize(kIconBox, kIconBox);
  pctType->setAlignment(Qt::AlignCenter);
  sclLinenum->setRange(1, kPlotLines);
  sclLinenum->setValue(1);
  sclLinenum->setPageStep(1);
  // Tab reaches the line selector, and its arrow keys choose the line:
  // Right and Up the next one (a scroll bar's keys run the other way).
  sclLinenum->setFocusPolicy(Qt::StrongFocus);
  sclLinenum->setInvertedControls(false);
  cmdOK->setDefault(true);

  auto* typeRow = new QHBoxLayout(Frame1);
  typeRow->addWidget(cmbType, 1);
  typeRow->addWidget(pctType);

  auto* allotment = new QGridLayout(Frame2);
  allotment->addWidget(lblxAxis, 0, 1, Qt::AlignCenter);
  allotment->addWidget(lblYAxis, 0, 2, Qt::AlignCenter);
  allotment->addWidget(lblZAxis, 0, 3, Qt::AlignCenter);
  const std::array<QLabel*, kPlotInputs> rowTitles{Label1, Label5, Label6};
  for (int k = 1; k <= kPlotInputs; ++k) {
    allotment->addWidget(rowTitles[static_cast<std::size_t>(k - 1)], k, 0);
    for (int j = 1; j <= 3; ++j) {
      auto* box = Named<QCheckBox>(QString("chkInput%1(%2)").arg(k).arg(j), Frame2);
      chkInputs[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j - 1)] = box;
      allotment->addWidget(box, k, j, Qt::AlignCenter);
    }
  }

  auto* style = new QGridLayout(Frame3);
  style->addWidget(lblLineNum, 0, 0);
  style->addWidget(sclLinenum, 0, 1);
  style->addWidget(Label8, 1, 0);
  style->addWidget(cmbLineColor, 1, 1);
  style->addWidget(Label9, 2, 0);
  style->addWidget(cmbLineType, 2, 1);
  style->addWidget(Label11, 3, 0);
  style->addWidget(cmbPoints, 3, 1);

  auto* labels = new QGridLayout(Frame4);
  const std::array<std::pair<QLabel*, QLineEdit*>, 4> textRows{
      {{Label7, txtTitle}, {lblXlabel, txtXLabel}, {lblYlabel, txtYLabel}, {lblZLabel, txtZLabel}}};
  for (int r = 0; r < 4; ++r) {
    labels->addWidget(textRows[static_cast<std::size_t>(r)].first, r, 0);
    labels->addWidget(textRows[static_cast<std::size_t>(r)].second, r, 1);
  }

  auto* checks = new QVBoxLayout;
  checks->addWidget(chkHold);
  checks->addWidget(chkFigure);
  checks->addWidget(chkGrid);
  checks->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addWidget(Frame1);
  left->addWidget(Frame2);
  left->addLayout(checks);
  auto* right = new QVBoxLayout;
  right->addWidget(Frame3);
  right->addWidget(Frame4);
  right->addWidget(cmdOK, 0, Qt::AlignRight);
  auto* outer = new QHBoxLayout(this);
  outer->addLayout(left);
  outer->addLayout(right);

  connect(cmbType, &QComboBox::editTextChanged, this, [this] { cmbType_Change(); });
  connect(sclLinenum, &QScrollBar::valueChanged, this, [this] { sclLinenum_Change(); });
  connect(cmbLineColor, &QComboBox::editTextChanged, this, [this] { cmbLineColor_Change(); });
  connect(cmbLineType, &QComboBox::editTextChanged, this, [this] { cmbLineType_Change(); });
  connect(cmbPoints, &QComboBox::editTextChanged, this, [this] { cmbPoints_Change(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

  KeepZColumnRoom();
  Form_Load();
  SettleParameterDialog(*this);
}

PlotDialog::~PlotDialog() = default;

void PlotDialog::Form_Load() {
  for (const PlotType& type : PlotTypes()) cmbType->addItem(Text(type.name));
  cmbType->setEditText(cmbType->itemText(0));
  cmbType_Change();  // also when the first item already showed
  for (const PlotColour& colour : PlotColours()) cmbLineColor->addItem(Text(colour.name));
  cmbLineColor->setEditText(cmbLineColor->itemText(0));
  for (const PlotLineType& type : PlotLineTypes()) cmbLineType->addItem(Text(type.name));
  cmbLineType->setEditText(cmbLineType->itemText(0));
  for (std::string_view marker : PlotMarkers()) cmbPoints->addItem(Text(marker));
  cmbPoints->setEditText(QString());
  lines_ = InitialLineStyles();
}

void PlotDialog::cmbType_Change() {
  const PlotType* type = FindPlotType(Std(cmbType->currentText()));
  if (type == nullptr) return;  // still being typed
  iconKey_ = type->iconKey;
  pctType->setPixmap(IconForKey(std::string(type->iconKey)));
  if (type->zColumn == ZColumn::Hidden) {
    HideZAxis();
  } else {
    ShowZAxis();
    if (type->zColumn == ZColumn::ErrorBar) lblZAxis->setText("Err Bar");
  }
  if (type->lineStyleEnabled)
    EnableLineStyle();
  else
    DisableLineStyle();
}

void PlotDialog::sclLinenum_Change() {
  const PlotLineStyle shown = currentStyle();  // the handlers below store into it
  cmbLineColor->setEditText(Text(shown.colour));
  cmbLineType->setEditText(Text(shown.lineType));
  cmbPoints->setEditText(Text(shown.points));
  QString caption = lblLineNum->text();
  caption.chop(1);
  lblLineNum->setText(caption + QString::number(currentLine()));
}

void PlotDialog::cmbLineColor_Change() { currentStyle().colour = Std(cmbLineColor->currentText()); }

void PlotDialog::cmbLineType_Change() { currentStyle().lineType = Std(cmbLineType->currentText()); }

void PlotDialog::cmbPoints_Change() { currentStyle().points = Std(cmbPoints->currentText()); }

void PlotDialog::cmdOK_Click() {
  const PlotCommand command = BuildPlotCommand(state());
  if (!command.ok()) {
    questions_->messageBox(std::string(command.refusal->text), command.refusal->style, kAppTitle);
    return;
  }
  commands_ = command.text;
  accept();
}

void PlotDialog::DisableLineStyle() {
  for (QWidget* w : std::initializer_list<QWidget*>{cmbLineColor, cmbLineType, cmbPoints, sclLinenum})
    w->setEnabled(false);
}

void PlotDialog::EnableLineStyle() {
  for (QWidget* w : std::initializer_list<QWidget*>{cmbLineColor, cmbLineType, cmbPoints, sclLinenum})
    w->setEnabled(true);
}

std::array<QWidget*, 6> PlotDialog::zColumn() const {
  return {lblZAxis,  chkInputs[0][kZColumn - 1], chkInputs[1][kZColumn - 1],
          chkInputs[2][kZColumn - 1], lblZLabel, txtZLabel};
}

void PlotDialog::KeepZColumnRoom() {
  for (QWidget* w : zColumn()) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }
  const QFontMetrics metrics(lblZAxis->font());
  int widest = 0;
  for (const char* caption : {"Z axis", "Z Axis", "Err Bar"})
    widest = std::max(widest, metrics.horizontalAdvance(caption));
  lblZAxis->setMinimumWidth(widest);
}

void PlotDialog::HideZAxis() {
  for (QWidget* w : zColumn()) w->hide();
}

void PlotDialog::ShowZAxis() {
  lblZAxis->setText("Z Axis");
  for (QWidget* w : zColumn()) w->show();
}

PlotState PlotDialog::state() const {
  PlotState s;
  s.plotType = Std(cmbType->currentText());
  for (int k = 1; k <= kPlotInputs; ++k)
    for (int j = 1; j <= 3; ++j) s.marks.set(k, j, chkInput(k, j)->isChecked());
  s.lines = lines_;
  s.newFigure = chkFigure->isChecked();
  s.grid = chkGrid->isChecked();
  s.hold = chkHold->isChecked();
  s.title = Std(txtTitle->text());
  s.xLabel = Std(txtXLabel->text());
  s.yLabel = Std(txtYLabel->text());
  s.zLabel = Std(txtZLabel->text());
  return s;
}

std::string PlotDialog::MakeLineSpec(int line) const { return quorvin::MakeLineSpec(lines_, line); }

PlotAnswer PlotDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  PlotAnswer a;
  a.accepted = true;
  a.commands = commands_;
  a.marks = state().marks;
  return a;
}

QCheckBox* PlotDialog::chkInput(int input, int column) const {
  if (input < 1 || input > kPlotInputs || column < 1 || column > 3) return nullptr;
  return chkInputs[static_cast<std::size_t>(input - 1)][static_cast<std::size_t>(column - 1)];
}

int PlotDialog::currentLine() const { return std::clamp(sclLinenum->value(), 1, kPlotLines); }

PlotLineStyle& PlotDialog::currentStyle() { return lines_[static_cast<std::size_t>(currentLine() - 1)]; }

PlotAnswer AskForPlot(QWidget* parent, Dialogs* questions) {
  PlotDialog dialog(parent, questions);
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin

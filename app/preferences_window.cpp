#include "app/preferences_window.h"

#include <QPainter>
#include <QPen>
#include <QSignalBlocker>

#include "model/numeric_text.h"
#include "model/twips.h"

namespace quorvin {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

int Px(double twips) { return WholePixelsFromTwips(twips); }

// The preview: a frame drawn from (2520, 360) to (4920, 600) twips, and the
// line inside it from (3100, 480) to (4200, 480).
constexpr int kFrameLeft = 2520, kFrameTop = 360, kFrameRight = 4920, kFrameBottom = 600;
constexpr int kLineLeft = 3100, kLineRight = 4200, kLineY = 480;
}  // namespace

PreferencesWindow::PreferencesWindow(Model& m, QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel("Line Width:", this)),
      txtLineWidth(new QLineEdit("1", this)),
      sclWidth(new QScrollBar(Qt::Vertical, this)),
      chkShowBubbles(new QCheckBox("Show Identification Bubbles", this)),
      chkInput(new QCheckBox("Use All Boxs with No Inputs as Starting Boxs", this)),
      chkShowToolbox(new QCheckBox("Show Default Toolbox:", this)),
      txtToolbox(new QLineEdit("default.tlb", this)),
      lbltoolboxsize(new QLabel(this)),
      Label2(new QLabel("Drives to scan for m-files:", this)),
      txtDrives(new QLineEdit("abcdef", this)),
      cmdSave(new QPushButton("Save Prefrences", this)),
      cmdCancel(new QPushButton("Cancel", this)),
      cmdOK(new QPushButton("OK", this)),
      m_(m) {
  setObjectName("frmPrefs");
  setWindowTitle("Prefrences");
  const std::pair<QWidget*, const char*> names[] = {
      {Label1, "Label1"},           {txtLineWidth, "txtLineWidth"},
      {sclWidth, "sclWidth"},       {chkShowBubbles, "chkShowBubbles"},
      {chkInput, "chkInput"},       {chkShowToolbox, "chkShowToolbox"},
      {txtToolbox, "txtToolbox"},   {lbltoolboxsize, "lbltoolboxsize"},
      {Label2, "Label2"},           {txtDrives, "txtDrives"},
      {cmdSave, "cmdSave"},         {cmdCancel, "cmdCancel"},
      {cmdOK, "cmdOK"}};
  for (const auto& [widget, name] : names) widget->setObjectName(name);

  sclWidth->setRange(1, 4);
  sclWidth->setValue(1);
  lbltoolboxsize->hide();
  cmdOK->setDefault(true);

  // The line-width row leaves room for the preview frame on its right.
  Label1->setGeometry(8, Px(kFrameTop), 76, 20);
  txtLineWidth->setGeometry(88, Px(kFrameTop) - 2, 40, 22);
  sclWidth->setGeometry(132, Px(kFrameTop) - 8, 16, 36);
  chkShowBubbles->setGeometry(8, 64, 340, 22);
  chkInput->setGeometry(8, 88, 340, 22);
  chkShowToolbox->setGeometry(8, 112, 170, 22);
  txtToolbox->setGeometry(184, 112, 150, 22);
  Label2->setGeometry(8, 144, 170, 22);
  txtDrives->setGeometry(184, 144, 150, 22);
  cmdSave->setGeometry(8, 184, 130, 28);
  cmdCancel->setGeometry(184, 184, 72, 28);
  cmdOK->setGeometry(262, 184, 72, 28);
  setFixedSize(Px(kFrameRight) + 14, 222);

  m_.prefs = DesignPreferences();
  showPreferences();

  connect(sclWidth, &QScrollBar::valueChanged, this, [this] { sclWidth_Change(); });
  connect(txtLineWidth, &QLineEdit::textChanged, this, [this] { txtLineWidth_Change(); });
  connect(chkShowBubbles, &QCheckBox::toggled, this,
          [this](bool on) { m_.prefs.chkShowBubbles = on; });
  connect(chkInput, &QCheckBox::toggled, this, [this](bool on) { m_.prefs.chkInput = on; });
  connect(chkShowToolbox, &QCheckBox::toggled, this,
          [this](bool on) { m_.prefs.chkShowToolbox = on; });
  connect(txtToolbox, &QLineEdit::textChanged, this,
          [this](const QString& t) { m_.prefs.txtToolbox = S(t); });
  connect(txtDrives, &QLineEdit::textChanged, this,
          [this](const QString& t) { m_.prefs.txtDrives = S(t); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
}

void PreferencesWindow::showPreferences() {
  const Preferences& p = m_.prefs;
  const QSignalBlocker b1(txtLineWidth), b2(sclWidth), b3(chkShowBubbles), b4(chkInput),
      b5(chkShowToolbox), b6(txtToolbox), b7(txtDrives);
  if (txtLineWidth->text() != Q(p.txtLineWidth)) txtLineWidth->setText(Q(p.txtLineWidth));
  chkShowBubbles->setChecked(p.chkShowBubbles);
  chkInput->setChecked(p.chkInput);
  chkShowToolbox->setChecked(p.chkShowToolbox);
  if (txtToolbox->text() != Q(p.txtToolbox)) txtToolbox->setText(Q(p.txtToolbox));
  lbltoolboxsize->setText(Q(p.lbltoolboxsize));
  if (txtDrives->text() != Q(p.txtDrives)) txtDrives->setText(Q(p.txtDrives));
  update();
}

SettingsRead PreferencesWindow::loadSettings() {
  const SettingsRead read = ReadSettingsFile(m_.appDir, m_.prefs);
  // The start-up moves the scroll bar to the width read, as the person would.
  {
    const QSignalBlocker quiet(sclWidth);
    sclWidth->setValue(LineWidthOf(m_.prefs));
  }
  showPreferences();
  return read;
}

void PreferencesWindow::Form_Activate() {
  showPreferences();
  saved_ = m_.prefs;
  savedScroll_ = sclWidth->value();
  // A digit typed at once replaces the width: joined to it, any digit made
  // a width above 4, held to 4.
  txtLineWidth->setFocus();
  txtLineWidth->selectAll();
}

void PreferencesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Form_Activate();
}

void PreferencesWindow::sclWidth_Change() { txtLineWidth->setText(QString::number(sclWidth->value())); }

void PreferencesWindow::txtLineWidth_Change() {
  const std::string text = S(txtLineWidth->text());
  // A correction runs this handler again for the corrected text, which passes.
  const double value = IsNumericText(text) ? txtLineWidth->text().toDouble() : 0;
  if (value < 1) {
    txtLineWidth->setText("1");
  } else if (value > 4) {
    txtLineWidth->setText("4");
  } else {
    m_.prefs.txtLineWidth = text;
    update();
  }
}

int PreferencesWindow::previewWidth() const { return LineWidthOf(m_.prefs); }

void PreferencesWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawRect(Px(kFrameLeft), Px(kFrameTop), Px(kFrameRight - kFrameLeft),
                   Px(kFrameBottom - kFrameTop));
  painter.setPen(QPen(Qt::black, previewWidth(), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(Px(kLineLeft), Px(kLineY), Px(kLineRight), Px(kLineY));
}

void PreferencesWindow::cmdOK_Click() {
  // The palette is rebuilt from the toolbox and size now set; whether it is
  // shown is the Preferences command's to say.
  if (reloadPalette) reloadPalette();
  finish(QDialog::Accepted);
}

void PreferencesWindow::cmdCancel_Click() {
  m_.prefs = saved_;
  {
    const QSignalBlocker quiet(sclWidth);
    sclWidth->setValue(savedScroll_);
  }
  showPreferences();
  finish(QDialog::Rejected);
}

void PreferencesWindow::reject() { cmdCancel_Click(); }

void PreferencesWindow::finish(int result) {
  done(result);
  const int doc = commandDoc_;
  commandDoc_ = 0;
  if (doc != 0) applyPreferences(doc);
}

void PreferencesWindow::cmdSave_Click() {
  std::string why;
  if (SaveSettingsFile(m_.appDir, m_.prefs, &why)) return;
  m_.dialogs.messageBox("The preferences could not be saved to " + SettingsFilePath(m_.appDir) +
                            (why.empty() ? std::string(".") : ": " + why + "."),
                        style::kExclamation, kAppTitle);
}

void PreferencesWindow::mnuOptionsPrefs_Click(int doc) {
  if (isVisible()) return;
  commandDoc_ = doc;
  setModal(true);
  show();
}

void PreferencesWindow::applyPreferences(int doc) {
  const Preferences& p = m_.prefs;
  const DocumentPreferences given{LineWidthOf(p), p.chkShowBubbles};
  if (applyToDocument)
    for (const int n : m_.documents.openDocuments()) applyToDocument(n, given);
  if (showPalette) showPalette(p.chkShowToolbox);
  m_.editor.redrawArrows(doc);
}

}  // namespace quorvin

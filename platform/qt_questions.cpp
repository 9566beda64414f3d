#include "platform/qt_questions.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/title_bar.h"

namespace quorvin {

namespace {

using Button = QMessageBox::StandardButton;

// The buttons of each set, in their order on the box.
std::vector<Button> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::AbortRetryIgnore:
      return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case MessageButtons::YesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::RetryCancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    case MessageButtons::Ok: break;
  }
  return {QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// How many buttons come before the one Enter presses.
std::size_t DefaultIndexOf(DefaultButton button) {
  switch (button) {
    case DefaultButton::Second: return 1;
    case DefaultButton::Third: return 2;
    case DefaultButton::First: break;
  }
  return 0;
}

constexpr std::pair<Button, Answer> kAnswers[] = {
    {QMessageBox::Ok, Answer::Ok},       {QMessageBox::Cancel, Answer::Cancel},
    {QMessageBox::Abort, Answer::Abort}, {QMessageBox::Retry, Answer::Retry},
    {QMessageBox::Ignore, Answer::Ignore}, {QMessageBox::Yes, Answer::Yes},
    {QMessageBox::No, Answer::No},
};

QString TitleOf(const std::string& title) { return DisplayText(title.empty() ? kAppTitle : title); }

void SetFilter(QFileDialog& dialog, const std::string& filter) {
  const QString filters = QtFileFilter(filter);
  if (!filters.isEmpty()) dialog.setNameFilter(filters);
}

// A name typed without an extension is saved with the chosen filter's, as
// the Open dialog's filter then shows the file again.
void AddFilterSuffix(QFileDialog& dialog) {
  const auto follow = [&dialog](const QString& nameFilter) {
    dialog.setDefaultSuffix(SuffixOfFilter(nameFilter));
  };
  follow(dialog.selectedNameFilter());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

// A message box is as wide as its title needs, so that a window manager
// shows the whole title over a short text ("Done !").
void WidenForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Minimum,
                                QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace("\r\n", "\n");
  return shown;
}

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString given = parts[i + 1].trimmed();
    QStringList patterns;
    for (const QString& p : given.split(';', Qt::SkipEmptyParts))
      if (!p.trimmed().isEmpty()) patterns << (p.trimmed() == "*.*" ? "*" : p.trimmed());
    if (patterns.isEmpty()) continue;  // a name without a pattern filters nothing
    // A name that already shows its pattern ("Quorvin Files (*.qvn)") shows it once.
    QString name = parts[i].trimmed();
    if (name.endsWith("(" + given + ")")) name = name.chopped(given.size() + 2).trimmed();
    filters << (name.isEmpty() ? QString() : name + " ") + "(" + patterns.join(' ') + ")";
  }
  return filters.join(";;");
}

QString SuffixOfFilter(const QString& nameFilter) {
  // "Quorvin Files (*.qvn)": the first pattern's extension; "*" has none.
  const qsizetype open = nameFilter.lastIndexOf('(');
  const QString patterns = nameFilter.mid(open + 1).chopped(nameFilter.endsWith(')') ? 1 : 0);
  const QString first = patterns.split(' ', Qt::SkipEmptyParts).value(0);
  if (!first.startsWith("*.")) return QString();
  const QString suffix = first.mid(2);
  return suffix.contains('*') || suffix.contains('?') ? QString() : suffix;
}

MessageBoxLook LookOfStyle(MessageStyle style) {
  MessageBoxLook look;
  look.buttons = ButtonsOf(style.buttons);
  look.icon = IconOf(style.icon);
  // A later default than the set has falls back on its last button.
  const std::size_t later = DefaultIndexOf(style.defaultButton);
  look.defaultButton = look.buttons[std::min(later, look.buttons.size() - 1)];
  return look;
}

Answer AnswerOfButton(int button) {
  for (const auto& [b, answer] : kAnswers)
    if (b == button) return answer;
  return Answer::Cancel;
}

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const std::string& text,
                                             MessageStyle style, const std::string& title) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(TitleOf(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(DisplayText(text));
  const MessageBoxLook look = LookOfStyle(style);
  box->setIcon(look.icon);
  for (Button b : look.buttons) box->addButton(b);
  box->setDefaultButton(look.defaultButton);
  WidenForTitle(*box);
  return box;
}

InputBox::InputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                   const std::string& defaultAnswer)
    : QDialog(parent),
      lblPrompt(new QLabel(DisplayText(prompt), this)),
      txtAnswer(new QLineEdit(DisplayText(defaultAnswer), this)),
      cmdOK(new QPushButton("OK", this)),
      cmdCancel(new QPushButton("Cancel", this)) {
  setWindowTitle(TitleOf(title));
  setModal(true);
  lblPrompt->setTextFormat(Qt::PlainText);
  lblPrompt->setWordWrap(true);
  lblPrompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  txtAnswer->selectAll();
  cmdOK->setDefault(true);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addWidget(lblPrompt, 0, 0);
  grid->addLayout(buttons, 0, 1);
  grid->addWidget(txtAnswer, 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  resize(360, sizeHint().height());
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string InputBox::answer() const {
  return result() == QDialog::Accepted ? txtAnswer->text().toStdString() : std::string();
}

std::unique_ptr<QFileDialog> BuildOpenDialog(QWidget* parent, const std::string& filter,
                                             const QString& directory) {
  auto dialog = std::make_unique<QFileDialog>(parent, "Open", directory);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  SetFilter(*dialog, filter);
  return dialog;
}

std::unique_ptr<QFileDialog> BuildSaveDialog(QWidget* parent, const std::string& filter,
                                             const std::string& initialName) {
  auto dialog = std::make_unique<QFileDialog>(parent, "Save As");
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  SetFilter(*dialog, filter);
  AddFilterSuffix(*dialog);
  if (!initialName.empty()) dialog->selectFile(QString::fromStdString(initialName));
  return dialog;
}

std::optional<std::string> ChosenFile(const QFileDialog& dialog) {
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  const QString file = dialog.selectedFiles().value(0);
  if (file.isEmpty()) return std::nullopt;
  return file.toStdString();
}

QString FileDialogPlace::directory() const {
  return !last_.isEmpty() && QFileInfo(last_).isDir() ? last_ : start_;
}

void FileDialogPlace::chose(const std::string& file) {
  if (!file.empty()) last_ = QFileInfo(QString::fromStdString(file)).absolutePath();
}

QtQuestions::QtQuestions(QWidget* window, FileDialogPlace* place)
    : window_(window), ownPlace_(QDir::currentPath()), place_(place ? place : &ownPlace_) {}

Answer QtQuestions::messageBox(const std::string& text, MessageStyle style,
                               const std::string& title) {
  const std::unique_ptr<QMessageBox> box = BuildMessageBox(window_, text, style, title);
  box->exec();
  return AnswerOfButton(box->standardButton(box->clickedButton()));
}

std::string QtQuestions::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultAnswer) {
  InputBox box(window_, prompt, title, defaultAnswer);
  box.exec();
  return box.answer();
}

std::optional<std::string> QtQuestions::openFile(const std::string& filter) {
  const std::unique_ptr<QFileDialog> dialog = openDialog(filter);
  dialog->exec();
  return takeAnswer(*dialog);
}

std::unique_ptr<QFileDialog> QtQuestions::openDialog(const std::string& filter) const {
  return BuildOpenDialog(window_, filter, place_->directory());
}

std::optional<std::string> QtQuestions::saveFileAs(const std::string& filter,
                                                   const std::string& initialName) {
  const std::unique_ptr<QFileDialog> dialog = saveDialog(filter, initialName);
  dialog->exec();
  return takeAnswer(*dialog);
}

std::optional<std::string> QtQuestions::nameFile(const std::string& filter,
                                                 const std::string& initialName) {
  const std::unique_ptr<QFileDialog> dialog = nameDialog(filter, initialName);
  dialog->exec();
  return takeAnswer(*dialog);
}

std::unique_ptr<QFileDialog> QtQuestions::nameDialog(const std::string& filter,
                                                     const std::string& initialName) const {
  std::unique_ptr<QFileDialog> dialog = saveDialog(filter, initialName);
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  return dialog;
}

std::unique_ptr<QFileDialog> QtQuestions::saveDialog(const std::string& filter,
                                                     const std::string& initialName) const {
  std::unique_ptr<QFileDialog> dialog = BuildSaveDialog(window_, filter, initialName);
  if (initialName.empty()) dialog->setDirectory(place_->directory());
  return dialog;
}

std::optional<std::string> QtQuestions::takeAnswer(const QFileDialog& dialog) {
  std::optional<std::string> chosen = ChosenFile(dialog);
  if (chosen) place_->chose(*chosen);
  return chosen;
}

}  // namespace quorvin

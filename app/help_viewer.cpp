#include "app/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt_questions.h"

namespace quorvin {

HelpViewer::HelpViewer(std::string helpDir, Dialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser(new QTextBrowser(this)),
      cmdContents(new QPushButton("Contents", this)),
      cmdIndex(new QPushButton("Index", this)),
      cmdBack(new QPushButton("Back", this)),
      helpDir_(std::move(helpDir)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtQuestions>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()) {
  setObjectName("helpViewer");
  setWindowTitle("Quorvin Help");
  browser->setObjectName("browser");
  // Links are followed here, so that a missing page is reported like any other.
  browser->setOpenLinks(false);
  cmdBack->setEnabled(false);
  // Outside a dialog a button takes Enter only when told to.
  for (QPushButton* button : {cmdContents, cmdIndex, cmdBack}) button->setAutoDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdContents);
  buttons->addWidget(cmdIndex);
  buttons->addWidget(cmdBack);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser, 1);
  resize(640, 520);

  connect(cmdContents, &QPushButton::clicked, this, [this] { showCommand(HelpCommand::Contents); });
  connect(cmdIndex, &QPushButton::clicked, this, [this] { showCommand(HelpCommand::Search); });
  connect(cmdBack, &QPushButton::clicked, browser, &QTextBrowser::backward);
  connect(browser, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
  connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isRelative() && url.path().isEmpty()) {
      browser->scrollToAnchor(url.fragment());
      return;
    }
    // A link is relative to the page that holds it.
    const QUrl target = browser->source().resolved(url);
    if (!target.isLocalFile()) return;
    QString page = target.toLocalFile();
    if (target.hasFragment()) page += "#" + target.fragment();
    showPage(page.toStdString());
  });
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::showCommand(HelpCommand command) {
  const std::optional<std::string> page = HelpPageOf(command);
  const bool shown = page && showPage(*page);
  if (shown) {
    show();
    raise();
    activateWindow();
  }
  return shown;
}

bool HelpViewer::showPage(const std::string& page) {
  const QString text = QString::fromStdString(page);
  const qsizetype hash = text.indexOf('#');
  const QString file = hash < 0 ? text : text.left(hash);
  const QString anchor = hash < 0 ? QString() : text.mid(hash + 1);
  const QString path =
      QDir::cleanPath(QDir(QString::fromStdString(helpDir_)).absoluteFilePath(file));
  if (!QFileInfo(path).isFile()) {
    dialogs_->messageBox("The help page " + path.toStdString() + " could not be found.",
                         style::kExclamation, kAppTitle);
    return false;
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  browser->setSource(url);
  return true;
}

}  // namespace quorvin

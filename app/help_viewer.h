#pragma once
// The help viewer: one window of the program that shows the pages of its
// help folder in a QTextBrowser, with Contents, Index and Back. A page that
// is missing is reported with the path that was looked for.

#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>
#include <memory>
#include <string>

#include "app/help_pages.h"
#include "model/host.h"

namespace quorvin {

class HelpViewer : public QWidget {
 public:
  // helpDir holds the pages; dialogs reports a missing page (without it,
  // a message box on the viewer does).
  explicit HelpViewer(std::string helpDir, Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~HelpViewer() override;

  // Shows the page of a Help menu command and brings the viewer forward;
  // false for a command that has no page.
  bool showCommand(HelpCommand command);
  // Shows page, a file name in the help folder or an absolute path,
  // optionally with "#anchor". False, after saying so, when the
  // file is not there; the page shown stays.
  bool showPage(const std::string& page);

  QTextBrowser* browser;
  QPushButton* cmdContents;
  QPushButton* cmdIndex;
  QPushButton* cmdBack;

 private:
  std::string helpDir_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
};

}  // namespace quorvin

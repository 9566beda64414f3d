#pragma once
// frmSubs, "Current Subs": which subroutine a call box invokes. Loading
// lists the start boxes of every open document; the list can be picked from
// or a name typed. OK refuses an empty text, and a name no subroutine can
// carry (commands/rules/subroutine_rules.h); there is no Cancel, and a dialog
// closed without OK answers the empty text.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <string>
#include <vector>

#include "commands/rules/subroutine_rules.h"
#include "dialogs/dialog_questions.h"
#include "model/host.h"

namespace quorvin {

class SubroutineDialog : public QDialog {
 public:
  // questions shows OK's refusal; without one the dialog asks with Qt
  // message boxes of its own.
  explicit SubroutineDialog(const BoxTable& table, QWidget* parent = nullptr,
                            Dialogs* questions = nullptr);
  ~SubroutineDialog() override;

  void cmdOK_Click();
  // The text after OK; the empty text when the dialog closed otherwise.
  SubroutineChoice answer() const;
  // The listed kinds, in list order.
  std::vector<std::string> listed() const;

  QComboBox* available_subs;
  QPushButton* cmdOK;

 private:
  // Fills the list from the box table; the text stays empty.
  void Form_Load(const BoxTable& table);

  DialogQuestions questions_;
};

// Shows frmSubs modally over the boxes of table and returns its answer.
SubroutineChoice AskForSubroutine(QWidget* parent, const BoxTable& table,
                                  Dialogs* questions = nullptr);

}  // namespace quorvin

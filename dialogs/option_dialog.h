#pragma once
// The option dialogs: a frame of option buttons, extra text boxes where the
// dialog has them, and OK; the answer is the index of the option clicked
// last and the extra texts. Built from its family's rows (OptionCommands());
// frmConst adds its typing filter and its own OK check.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/option_commands.h"
#include "model/host.h"

namespace quorvin {

class OptionDialog : public QDialog {
 public:
  explicit OptionDialog(const OptionCommand& family, QWidget* parent = nullptr);

  // The option clicked last (the first option until one is) and the extra
  // boxes' texts.
  OptionAnswer answer() const;

  // The option button of index (as the form counts), or nullptr.
  QRadioButton* option(int index) const;
  // An extra text box by name (txtOrder, diag, ...), or nullptr.
  QLineEdit* extra(const std::string& name) const;
  // The label of an extra text box, or nullptr for one beside an option.
  QLabel* extraLabel(const std::string& name) const;

  // opn_Click / btnOps_Click: index becomes the chosen option.
  void opn_Click(int index);
  virtual void cmdOK_Click();

  QGroupBox* Frame1;  // holds the options; its title is the prompt
  QPushButton* cmdOK;

 private:
  const OptionForm& form_;
  int chosen_;
  std::vector<QRadioButton*> options_;
  std::map<std::string, QLineEdit*> extras_;
  std::map<std::string, QLabel*> labels_;
};

// frmConst: typing in the constant box chooses "Arbiturary constant:" and
// keeps only numeric text; OK refuses an empty arbitrary constant.
class ConstantDialog : public OptionDialog {
 public:
  static constexpr int kArbitrary = 5;

  ConstantDialog(Dialogs& messages, QWidget* parent = nullptr);

  void txtConst_Change();
  void cmdOK_Click() override;

  QLineEdit* txtConst;

 private:
  Dialogs& messages_;
};

// The dialog of family: frmConst's own, or the plain option dialog.
std::unique_ptr<OptionDialog> MakeOptionDialog(const OptionCommand& family, Dialogs& messages,
                                               QWidget* parent = nullptr);

}  // namespace quorvin

#pragma once
// frmPrefs "Prefrences": the window in which the person sees and changes the
// live preferences (the model's Preferences, which the documents, the
// palette, the scanner and the compiler read) and saves them to the settings
// file. It stays for the whole run; the Preferences command of a document
// shows it modally and, once OK or Cancel hides it, hands line width, bubbles
// and toolbox state to every open document.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <string>

#include "model/model.h"
#include "model/settings_file.h"

namespace quorvin {

// What the Preferences command gives an open document; the toolbox state
// its Options menu shows comes from the frame, with the palette.
struct DocumentPreferences {
  int lineWidth = 1;
  bool showBubbles = true;
};

class PreferencesWindow : public QDialog {
 public:
  // The window starts at its design values, and so do the live preferences
  // m.prefs (chkInput on), until loadSettings reads the settings file.
  explicit PreferencesWindow(Model& m, QWidget* parent = nullptr);

  // Reads the settings file of the program directory into the live
  // preferences and the controls, and says whether it could.
  SettingsRead loadSettings();

  // The Preferences command of document doc: shows the window modally; when
  // OK or Cancel hides it, applyPreferences(doc) follows.
  void mnuOptionsPrefs_Click(int doc);
  // Gives every open document its line width and bubbles, shows or hides
  // the palette (which has every menu show the toolbox state), and redraws
  // the arrows of document doc.
  void applyPreferences(int doc);

  // Handlers.
  // Each opening: shows the live values, keeps them for Cancel and puts
  // focus in the line width, its text chosen.
  void Form_Activate();
  void sclWidth_Change();
  void txtLineWidth_Change();
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdSave_Click();

  // The width the preview line is drawn with.
  int previewWidth() const;

  // Wired by the frame: the palette's reload sequence (not shown), what a
  // document takes from the Preferences command, and the palette shown or
  // hidden afterwards.
  std::function<void()> reloadPalette;
  std::function<void(int doc, const DocumentPreferences&)> applyToDocument;
  std::function<void(bool show)> showPalette;

  QLabel* Label1;
  QLineEdit* txtLineWidth;
  QScrollBar* sclWidth;
  QCheckBox* chkShowBubbles;
  QCheckBox* chkInput;
  QCheckBox* chkShowToolbox;
  QLineEdit* txtToolbox;
  QLabel* lbltoolboxsize;
  QLabel* Label2;
  QLineEdit* txtDrives;
  QPushButton* cmdSave;
  QPushButton* cmdCancel;
  QPushButton* cmdOK;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The close box and Escape cancel.
  void reject() override;

 private:
  // Puts the live preferences into the controls, their handlers quiet.
  void showPreferences();
  // Hides the window and, for the Preferences command, applies it.
  void finish(int result);

  Model& m_;
  // The preferences and the scroll bar at activation, for Cancel.
  Preferences saved_;
  int savedScroll_ = 1;
  // The document whose Preferences command showed the window; 0 for none.
  int commandDoc_ = 0;
};

}  // namespace quorvin

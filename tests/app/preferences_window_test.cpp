// The preferences window: its design, the line-width filter, Cancel, Save,
// and the Preferences command handing the settings to the open documents.
#include "app/preferences_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/model/model_fakes.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

using testing::ScriptedDialogs;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class ArrowViews : public testing_support::RecordingViews {
 public:
  void arrowsChanged(int doc) override { arrowsRedrawn.push_back(doc); }
  std::vector<int> arrowsRedrawn;
};

struct Applied {
  int doc;
  DocumentPreferences prefs;
};

class PrefsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.ok());
    m.appDir = dir / "";
    w.reloadPalette = [this] { ++reloads; };
    w.applyToDocument = [this](int doc, const DocumentPreferences& p) { applied.push_back({doc, p}); };
    w.showPalette = [this](bool show) { paletteShown.push_back(show); };
  }

  // The window below needs the application before it is made.
  const bool guiReady_ = (testing_support::EnsureGuiApplication(), true);
  ScratchFolder dir;
  ScriptedDialogs dialogs;
  ArrowViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  PreferencesWindow w{m};
  int reloads = 0;
  std::vector<Applied> applied;
  std::vector<bool> paletteShown;
};

TEST_F(PrefsTest, DesignValuesAreTheLivePreferences) {
  EXPECT_EQ(w.objectName(), "frmPrefs");
  EXPECT_EQ(w.windowTitle(), "Prefrences");
  EXPECT_EQ(w.Label1->text(), "Line Width:");
  EXPECT_EQ(w.txtLineWidth->text(), "1");
  EXPECT_EQ(w.sclWidth->minimum(), 1);
  EXPECT_EQ(w.sclWidth->maximum(), 4);
  EXPECT_EQ(w.sclWidth->value(), 1);
  EXPECT_EQ(w.chkShowBubbles->text(), "Show Identification Bubbles");
  EXPECT_EQ(w.chkInput->text(), "Use All Boxs with No Inputs as Starting Boxs");
  EXPECT_EQ(w.chkShowToolbox->text(), "Show Default Toolbox:");
  EXPECT_TRUE(w.chkShowBubbles->isChecked());
  EXPECT_TRUE(w.chkInput->isChecked());
  EXPECT_TRUE(w.chkShowToolbox->isChecked());
  EXPECT_EQ(w.txtToolbox->text(), "default.tlb");
  EXPECT_TRUE(w.lbltoolboxsize->isHidden());
  EXPECT_EQ(w.lbltoolboxsize->text(), "");
  EXPECT_EQ(w.Label2->text(), "Drives to scan for m-files:");
  EXPECT_EQ(w.txtDrives->text(), "abcdef");
  EXPECT_EQ(w.cmdSave->text(), "Save Prefrences");
  EXPECT_EQ(w.cmdCancel->text(), "Cancel");
  EXPECT_EQ(w.cmdOK->text(), "OK");
  EXPECT_TRUE(m.prefs.chkInput);  // the compiler starts from unlinked boxes too
  EXPECT_EQ(w.previewWidth(), 1);
}

TEST_F(PrefsTest, StartUpReadsEveryKeyIncludingUnusedBoxes) {
  WriteBytes(dir / "QUORVIN.INI",
             "[Prefrences]\r\nShow Bubbles=0\r\nLine Width=3.5\r\nUnused Boxs for Input=0\r\n"
             "Show Toolbox=0\r\nDefault Toolbox=mine.tlb\r\nToolbox Size=4X2\r\nScan Drives=cd\r\n");
  EXPECT_TRUE(w.loadSettings().fileRead);
  EXPECT_EQ(w.txtLineWidth->text(), "3");
  EXPECT_EQ(w.sclWidth->value(), 3);
  EXPECT_FALSE(w.chkShowBubbles->isChecked());
  EXPECT_FALSE(w.chkInput->isChecked());
  EXPECT_FALSE(m.prefs.chkInput);
  EXPECT_FALSE(w.chkShowToolbox->isChecked());
  EXPECT_EQ(w.txtToolbox->text(), "mine.tlb");
  EXPECT_EQ(w.lbltoolboxsize->text(), "4X2");
  EXPECT_EQ(w.txtDrives->text(), "cd");
  EXPECT_EQ(LineWidthOf(m.prefs), 3);  // what a document opened later draws with
}

TEST_F(PrefsTest, TypedLineWidthIsHeldToOneToFour) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "1"}, {"-3", "1"}, {"abc", "1"}, {"9", "4"}, {"2.5", "2.5"}, {"", "1"}, {"4", "4"}};
  for (const auto& [typed, shown] : cases) {
    w.txtLineWidth->setText(typed);
    EXPECT_EQ(w.txtLineWidth->text(), shown) << typed;
    EXPECT_EQ(m.prefs.txtLineWidth, shown) << typed;
  }
  w.txtLineWidth->setText("2.5");
  EXPECT_EQ(w.previewWidth(), 2);
  EXPECT_EQ(w.sclWidth->value(), 1);  // typing does not move the scroll bar
  w.sclWidth->setValue(3);
  EXPECT_EQ(w.txtLineWidth->text(), "3");
  EXPECT_EQ(w.previewWidth(), 3);
}

// Each time the window opens, focus is in the line width with its text
// chosen: a width typed at once replaces the old one instead of joining it
// ("13", held to 4, whatever digit was typed).
TEST_F(PrefsTest, AWidthTypedAsTheWindowOpensReplacesTheOldOne) {
  for (const char* typed : {"3", "2"}) {
    w.show();
    ASSERT_EQ(w.focusWidget(), w.txtLineWidth) << typed;
    QTest::keyClicks(w.txtLineWidth, typed);
    EXPECT_EQ(w.txtLineWidth->text(), typed);
    w.cmdOK->click();
    EXPECT_EQ(m.prefs.txtLineWidth, typed);
  }
}

TEST_F(PrefsTest, CancelRestoresEveryControlAsAtActivation) {
  m.prefs.lbltoolboxsize = "3X2";
  w.show();
  const Preferences before = m.prefs;
  w.sclWidth->setValue(4);
  w.chkShowBubbles->setChecked(false);
  w.chkInput->setChecked(false);
  w.chkShowToolbox->setChecked(false);
  w.txtToolbox->setText("other.tlb");
  w.txtDrives->setText("z");
  w.cmdCancel->click();
  EXPECT_TRUE(w.isHidden());
  EXPECT_EQ(w.txtLineWidth->text(), "1");
  EXPECT_EQ(w.sclWidth->value(), 1);
  EXPECT_TRUE(w.chkShowBubbles->isChecked());
  EXPECT_TRUE(w.chkInput->isChecked());
  EXPECT_TRUE(w.chkShowToolbox->isChecked());
  EXPECT_EQ(w.txtToolbox->text(), "default.tlb");
  EXPECT_EQ(w.txtDrives->text(), "abcdef");
  EXPECT_EQ(w.lbltoolboxsize->text(), "3X2");
  EXPECT_EQ(m.prefs.txtLineWidth, before.txtLineWidth);
  EXPECT_EQ(m.prefs.chkInput, before.chkInput);
  EXPECT_EQ(m.prefs.txtToolbox, before.txtToolbox);
  EXPECT_EQ(m.prefs.txtDrives, before.txtDrives);
  EXPECT_EQ(reloads, 0);
}

TEST_F(PrefsTest, ActivationShowsWhatChangedWhileHidden) {
  m.prefs.chkShowBubbles = false;  // a document's bubble toggle
  m.prefs.txtToolbox = "mine.tlb";  // a toolbox chosen
  w.show();
  EXPECT_FALSE(w.chkShowBubbles->isChecked());
  EXPECT_EQ(w.txtToolbox->text(), "mine.tlb");
  w.close();  // the close box cancels
  EXPECT_TRUE(w.isHidden());
  EXPECT_FALSE(m.prefs.chkShowBubbles);
}

TEST_F(PrefsTest, OkReloadsThePaletteAndKeepsTheChanges) {
  w.show();
  w.txtDrives->setText("xy");
  w.cmdOK->click();
  EXPECT_TRUE(w.isHidden());
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(m.prefs.txtDrives, "xy");
  EXPECT_TRUE(paletteShown.empty());  // shown or not is the command's to say
}

TEST_F(PrefsTest, PreferencesCommandAppliesToEveryOpenDocument) {
  const int one = NewDocument(m);
  const int two = NewDocument(m);
  const int three = NewDocument(m);
  m.documents.docInfo[two].Free = true;
  w.mnuOptionsPrefs_Click(three);
  ASSERT_TRUE(w.isVisible());
  EXPECT_TRUE(w.isModal());
  w.sclWidth->setValue(3);
  w.chkShowBubbles->setChecked(false);
  w.chkShowToolbox->setChecked(false);
  w.txtToolbox->setText("mine.tlb");
  w.cmdOK->click();
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_EQ(applied[0].doc, one);
  EXPECT_EQ(applied[1].doc, three);
  for (const Applied& a : applied) {
    EXPECT_EQ(a.prefs.lineWidth, 3);
    EXPECT_FALSE(a.prefs.showBubbles);
  }
  EXPECT_EQ(paletteShown, std::vector<bool>{false});
  EXPECT_EQ(views.arrowsRedrawn, std::vector<int>{three});
  EXPECT_EQ(reloads, 1);

  // Cancel applies what was there at activation; a plain show applies nothing.
  applied.clear();
  w.mnuOptionsPrefs_Click(one);
  w.sclWidth->setValue(4);
  w.cmdCancel->click();
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_EQ(applied[0].prefs.lineWidth, 3);
  applied.clear();
  w.show();
  w.cmdOK->click();
  EXPECT_TRUE(applied.empty());
}

TEST_F(PrefsTest, SaveWritesTheFileAndAFailureNamesIt) {
  w.show();
  w.txtDrives->setText("q");
  w.cmdSave->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_NE(ReadBytes(dir / "quorvin.ini").find("Scan Drives=q\r\n"), std::string::npos);

  WriteBytes(dir / "plain", "a file, not a directory");
  m.appDir = dir / "plain";
  w.cmdSave->click();
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(dir / "plain/quorvin.ini"), std::string::npos)
      << dialogs.messages[0].text;
  EXPECT_EQ(dialogs.messages[0].style.code(), 48);
  EXPECT_EQ(dialogs.messages[0].title, "Quorvin");
  EXPECT_EQ(ReadBytes(dir / "plain"), "a file, not a directory");
  w.cmdCancel->click();
}

}  // namespace
}  // namespace quorvin

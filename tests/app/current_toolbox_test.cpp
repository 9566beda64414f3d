// Options > Current Toolbox: the dialog asked, the title as it is kept, and
// the palette rebuilt.
#include "app/current_toolbox.h"

#include <gtest/gtest.h>

#include "tests/model/model_fakes.h"

namespace quorvin {
namespace {

using testing::ScriptedDialogs;

// The caption the menus show of prefs each time they are told, and the
// palette's reloads.
struct Recorder {
  std::vector<std::string> captions;
  int reloads = 0;
  ToolboxChoiceHooks hooks(const Preferences& prefs) {
    return {[this, &prefs] { captions.push_back(CurrentToolboxCaption(prefs.txtToolbox)); },
            [this] { ++reloads; }};
  }
};

// The dialog only names the toolbox, so it must not ask to replace the file.
struct NamingDialogs : ScriptedDialogs {
  int named = 0;
  std::optional<std::string> nameFile(const std::string& filter,
                                      const std::string& initialName) override {
    ++named;
    return ScriptedDialogs::nameFile(filter, initialName);
  }
};

TEST(CurrentToolbox, ChosenFileGivesItsLowerCasedTitleEverywhere) {
  NamingDialogs dialogs;
  dialogs.fileAnswers.push_back("/somewhere/Else/My Tools.TLB");
  Preferences prefs = DesignPreferences();
  Recorder r;
  EXPECT_TRUE(ChooseCurrentToolbox(dialogs, prefs, "/opt/quorvin", r.hooks(prefs)));
  EXPECT_EQ(dialogs.filters,
            std::vector<std::string>{"Quorvin Toolbox Files (*.tlb)|*.tlb|All Files (*.*)|*.*"});
  EXPECT_EQ(dialogs.named, 1) << "a dialog that asks to replace the toolbox it names";
  // It opens on the current toolbox where the palette reads toolbox files,
  // not in whatever folder the last flowchart dialog was.
  EXPECT_EQ(dialogs.initialNames, std::vector<std::string>{"/opt/quorvin/default.tlb"});
  EXPECT_EQ(prefs.txtToolbox, "my tools.tlb");
  EXPECT_EQ(r.captions, std::vector<std::string>{"Current Toolbox: my tools.tlb"});
  EXPECT_EQ(r.reloads, 1);
}

TEST(CurrentToolbox, DefaultInAnyCaseIsTheBuiltInToolbox) {
  ScriptedDialogs dialogs;
  dialogs.fileAnswers.push_back("/tmp/DEFAULT.Tlb");
  Preferences prefs = DesignPreferences();
  prefs.txtToolbox = "mine.tlb";
  Recorder r;
  EXPECT_TRUE(ChooseCurrentToolbox(dialogs, prefs, "/opt/quorvin", r.hooks(prefs)));
  EXPECT_EQ(prefs.txtToolbox, "default.tlb");
  EXPECT_EQ(r.captions, std::vector<std::string>{"Current Toolbox: default.tlb"});
}

TEST(CurrentToolbox, CancelChangesNothing) {
  ScriptedDialogs dialogs;  // no answer: cancelled
  Preferences prefs = DesignPreferences();
  prefs.txtToolbox = "mine.tlb";
  Recorder r;
  EXPECT_FALSE(ChooseCurrentToolbox(dialogs, prefs, "/opt/quorvin", r.hooks(prefs)));
  dialogs.fileAnswers.push_back("/tmp/dir/");  // names no file
  EXPECT_FALSE(ChooseCurrentToolbox(dialogs, prefs, "/opt/quorvin", r.hooks(prefs)));
  EXPECT_EQ(prefs.txtToolbox, "mine.tlb");
  EXPECT_TRUE(r.captions.empty());
  EXPECT_EQ(r.reloads, 0);
}

}  // namespace
}  // namespace quorvin

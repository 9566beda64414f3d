#include "app/execute_commands.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "app/text_results_window.h"
#include "model/settings_store.h"
#include "platform/interpreter_link.h"
#include "tests/support/editor_backdoor.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_figure.h"
#include "tests/support/recording_views.h"
#include "tests/support/step_fakes.h"

namespace quorvin {
namespace {

using testing_support::QueuedQuestions;
using testing_support::RecordingViews;

// Document 1 holds Keyboard Input (1) -> Sin (2) -> Screen Output (3).
void KeyboardSinScreen(BoxTable& table) {
  table.nextBox = 4;
  const char* kinds[] = {"", "Keyboard Input", "Sin", "Screen Output"};
  for (int b = 1; b <= 3; ++b) {
    BoxRecord& r = table[b];
    r = BoxRecord{};
    r.Kind = kinds[b];
    r.Doc = 1;
    r.InLink = {0, -1, -1, -1};
    r.OutLink = {0, -1, -1, -1, -1, -1};
    if (b > 1) r.InLink[1] = static_cast<int16_t>(b - 1);
    if (b < 3) r.OutLink[1] = static_cast<int16_t>(b + 1);
  }
  table[3].OutLink[1] = -1;
}

// Box b of document 1: kind, params, entry 1 (-1 none), exit 1 (0 none).
void SetBox(BoxTable& table, int b, const char* kind, const char* params, int in1, int out1) {
  BoxRecord& r = table[b];
  r = BoxRecord{};
  r.Kind = kind;
  r.Params = params;
  r.Doc = 1;
  r.InLink = {0, static_cast<int16_t>(in1), -1, -1};
  r.OutLink = {0, static_cast<int16_t>(out1), 0, 0, 0, 0};
}

class ExecuteCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }
  void SetUp() override {
    saved_ = QDir::currentPath();
    model.appDir = QDir(appDir_.path()).canonicalPath().toStdString();
    host.typed = "1 2 3";  // the keyboard input box's answer
  }
  void TearDown() override { QDir::setCurrent(saved_); }

  std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  QueuedQuestions host;
  RecordingViews views;
  MemorySettingsStore store;
  Model model{host, views, store};
  BoxTable& boxes = testing_support::WritableTable(model);  // charts no edit makes
  InterpreterLink link;
  TextResultsWindow results;
  RunState run;
  std::vector<std::string> prompts;
  std::vector<std::string> startDirs;  // where the picker was opened
  std::string pickedDirectory;
  std::string installation;  // where an interpreter is found
  LinkServices services{link, results, run,
                        [this](const std::string& prompt, const std::string& startDir) {
                          prompts.push_back(prompt);
                          startDirs.push_back(startDir);
                          return pickedDirectory;
                        },
                        [this] { return installation; }};
  QTemporaryDir appDir_;
  QTemporaryDir elsewhere_;
  QString saved_;
};

TEST_F(ExecuteCommands, StartMatlabWithoutADirectoryStartsNothing) {
  QDir::setCurrent(elsewhere_.path());
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_EQ(prompts, std::vector<std::string>{"Please locate the Matlab directory"});
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Sorry, cannot continue without the Matlab path.|16|Quorvin"});
  EXPECT_FALSE(link.alive());
  EXPECT_EQ(QDir::currentPath(), QDir(elsewhere_.path()).canonicalPath());  // not set back
}

// Writes a file of contents at path, in a directory made for it, that may be
// run or not.
void WriteFile(const QString& path, const std::string& contents, bool executable) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  testing_support::WriteBytes(path.toStdString(), contents, executable ? 0700 : 0600);
}

TEST_F(ExecuteCommands, StartMatlabWithoutAnExecutableSaysSoOnce) {
  // One directory without bin/, one whose interpreter may not be run.
  QTemporaryDir broken;
  WriteFile(broken.path() + "/bin/octave-cli", "#!/bin/sh\nexit 3\n", false);
  for (const QString& dir : {elsewhere_.path(), broken.path()}) {
    host.messages.clear();
    QDir::setCurrent(dir);
    pickedDirectory = dir.toStdString();
    mnuFileStartMatlab_Click(model, host, services);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"Sorry, Matlab excutable still not found.|16|Quorvin"});
    EXPECT_FALSE(link.alive());
    EXPECT_EQ(QDir::currentPath().toStdString(), model.appDir);
  }
}

// A program that is found and started but does not answer as an
// interpreter, whether it ends at once, sends back what it is sent or stays
// silent, is named, once; a real interpreter starts after it as ever.
TEST_F(ExecuteCommands, StartMatlabNamesAProgramThatDoesNotAnswerAsAnInterpreter) {
  link.setStartTimeoutMs(500);
  struct Case {
    const char* name;
    const char* executable;
    const char* script;
  };
  for (const Case& c : {Case{"ends at once", "octave-cli", "#!/bin/sh\nexit 3\n"},
                        Case{"echoes", "octave", "#!/bin/sh\nexec cat\n"},
                        Case{"stays silent", "octave", "#!/bin/sh\nsleep 1000\n"}}) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const std::string program = dir.path().toStdString() + "/bin/" + c.executable;
    WriteFile(QString::fromStdString(program), c.script, true);
    pickedDirectory = dir.path().toStdString();
    host.messages.clear();
    mnuFileStartMatlab_Click(model, host, services);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{
                  "Sorry, the program that was started did not answer as an interpreter:\r\n" +
                  program + "|16|Quorvin"});
    EXPECT_FALSE(link.alive());
    EXPECT_EQ(QDir::currentPath().toStdString(), model.appDir);
  }
  // A real interpreter, with the time to come up that it has in the program:
  // on a loaded machine Octave takes longer than the short limit above.
  link.setStartTimeoutMs(60000);
  host.messages.clear();
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(link.alive());
}

// The waiting box of a start, while it shows; null otherwise.
QProgressDialog* ShownWaitingBox() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QProgressDialog*>(window); box && box->isVisible()) return box;
  return nullptr;
}

// Clicks the Cancel of the waiting box shown, as a person does; false when
// none shows.
bool ClickWaitingBoxCancel() {
  QProgressDialog* box = ShownWaitingBox();
  if (box == nullptr) return false;
  for (auto* button : box->findChildren<QPushButton*>())
    if (button->text() == "Cancel") QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

// A start that lasts shows, after a moment, a box that names the program
// waited for; its Cancel ends the wait at once, with nothing more to say.
TEST_F(ExecuteCommands, ALastingStartShowsItsWaitAndCancelEndsIt) {
  link.setStartTimeoutMs(20000);
  QTemporaryDir dir;
  const QString program = dir.path() + "/bin/octave";
  WriteFile(program, "#!/bin/sh\nsleep 1000\n", true);
  pickedDirectory = dir.path().toStdString();
  QString shown;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&] {
    QProgressDialog* box = ShownWaitingBox();
    if (box == nullptr) return;
    if (auto* label = box->findChild<QLabel*>()) shown = label->text();
    ClickWaitingBoxCancel();
  });
  look.start(100);
  QElapsedTimer clock;
  clock.start();
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_GE(clock.elapsed(), 900);  // a start that is soon over shows no box
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_EQ(shown.toStdString(),
            "Waiting for the interpreter to answer:\n" + program.toStdString());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(link.alive());
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(qobject_cast<QDialog*>(window) && window->isVisible());
}

// The windows take no input while a start lasts, but a window opened inside
// the start's wait takes it (as a test below shows): the commands come from
// a timer here, as from such a window. A second Start Matlab, or Execute to
// Matlab, is refused with a word why, and asks for no directory.
TEST_F(ExecuteCommands, CommandsOfTheLinkWaitForAStartUnderWay) {
  link.setStartTimeoutMs(20000);
  QTemporaryDir dir;
  WriteFile(dir.path() + "/bin/octave", "#!/bin/sh\nsleep 1000\n", true);
  pickedDirectory = dir.path().toStdString();
  KeyboardSinScreen(boxes);
  std::vector<std::string> meanwhile;
  QTimer::singleShot(300, &results, [&] {
    QueuedQuestions other;
    mnuFileStartMatlab_Click(model, other, services);
    mnuEXEMatlab_Click(model, 1, other, services);
    meanwhile = other.messages;
    link.stop();
  });
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_EQ(meanwhile, std::vector<std::string>(2, kStartUnderWayMessage + "|64|Quorvin"));
  EXPECT_EQ(prompts.size(), 1u);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(run.running());
}

// The stand-in interpreter of the link's tests, in mode, as the octave of an
// installation made in dir.
void WriteFakeInstallation(const QTemporaryDir& dir, const std::string& mode) {
  const std::string script = "#!/bin/sh\nexec '" QUORVIN_SOURCE_DIR
                             "/tests/platform/data/fake_interpreter.sh' " +
                             mode + "\n";
  WriteFile(dir.path() + "/bin/octave", script, true);
}

// In the moment before the waiting box comes up, a click, a key or a
// shortcut in a window starts nothing, under a busy pointer: a command
// started then would run inside the start's wait, which could not end before
// the command's own message box closed. Once the start is over the window
// takes input again.
TEST_F(ExecuteCommands, WhileAStartWaitsTheWindowsTakeNoInput) {
  pickedDirectory = "/usr";
  QWidget window;
  auto* button = new QPushButton("Open", &window);
  auto* open = new QAction(&window);
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  window.addAction(open);
  int commands = 0;
  const auto command = [&] {
    ++commands;
    QMessageBox message(QMessageBox::Information, "Quorvin", "Done !", QMessageBox::Ok);
    QTimer::singleShot(100, &message, &QMessageBox::accept);
    message.exec();
  };
  QObject::connect(button, &QPushButton::clicked, command);
  QObject::connect(open, &QAction::triggered, command);
  window.show();
  struct Case {
    const char* name;
    std::function<void()> input;
  };
  const Case cases[] = {
      {"a click", [&] { QTest::mouseClick(button, Qt::LeftButton); }},
      {"a key", [&] { QTest::keyClick(button, Qt::Key_Space); }},
      {"a shortcut", [&] { QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.activateWindow();  // a shortcut works in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    link.stop();
    commands = 0;
    std::optional<Qt::CursorShape> pointer;
    QTimer::singleShot(30, &window, [&] {
      c.input();
      if (const QCursor* cursor = QApplication::overrideCursor()) pointer = cursor->shape();
    });
    mnuFileStartMatlab_Click(model, host, services);
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(pointer, Qt::BusyCursor);
    EXPECT_TRUE(link.alive());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A start that lasts past a second (on a busy machine) shows the waiting
    // box, which takes the activation; when it goes, a window manager gives
    // it back to the window under it, and here nobody does.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    c.input();
    EXPECT_EQ(commands, 1) << "input works again";
  }
}

// A window that opens during a start from no input of the person's (a timer
// here) runs its own loop inside the start's wait, which cannot end before
// that window closes: the window takes the person's input, and the waiting
// box comes over it only for as long as the interpreter has not answered,
// so that its Cancel never gives up an interpreter that is up. Cancel, a
// real click, gives up one that has not.
TEST_F(ExecuteCommands, AWindowOpenedDuringAStartTakesInputAndTheWaitingBoxOnlyWaits) {
  link.setStartTimeoutMs(20000);
  struct Case {
    const char* name;
    const char* mode;
    std::vector<std::pair<int, bool>> looks;  // at ms, whether the waiting box shows
    bool up;  // else the last look cancels
  };
  const Case cases[] = {
      {"up at once", "slow-setup 0.3", {{1500, false}}, true},
      {"up after two seconds", "slow-setup 2", {{1500, true}, {2800, false}}, true},
      {"given up", "mute", {{1500, true}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    WriteFakeInstallation(dir, c.mode);
    pickedDirectory = dir.path().toStdString();
    std::vector<std::pair<int, bool>> seen;
    std::vector<bool> messageOnTop;
    int answered = 0;
    QTimer::singleShot(30, &results, [&] {
      QMessageBox message(QMessageBox::Information, "Quorvin", "Meanwhile", QMessageBox::Ok);
      for (const auto& [atMs, shows] : c.looks)
        QTimer::singleShot(atMs, &message, [&, atMs = atMs] {
          seen.emplace_back(atMs, ShownWaitingBox() != nullptr);
          messageOnTop.push_back(QApplication::activeModalWidget() == &message);
        });
      const int lastMs = c.looks.back().first;
      if (!c.up)
        QTimer::singleShot(lastMs + 50, &message, [] { ClickWaitingBoxCancel(); });
      QTimer::singleShot(lastMs + 100, &message, [&message] {
        QTest::mouseClick(message.button(QMessageBox::Ok), Qt::LeftButton);
      });
      QTimer::singleShot(10000, &message, &QMessageBox::reject);  // should input not reach it
      answered = message.exec();
    });
    mnuFileStartMatlab_Click(model, host, services);
    EXPECT_EQ(seen, c.looks);
    for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(messageOnTop[i], !seen[i].second) << i;
    EXPECT_EQ(answered, QMessageBox::Ok);
    EXPECT_EQ(link.alive(), c.up);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ShownWaitingBox(), nullptr);
  }
}

// The waiting box is the one window that takes input during the start: a
// click on its Cancel, or Escape, gives up the wait at once.
TEST_F(ExecuteCommands, TheWaitingBoxTakesThePersonsCancel) {
  link.setStartTimeoutMs(5000);
  QTemporaryDir dir;
  WriteFakeInstallation(dir, "mute");
  pickedDirectory = dir.path().toStdString();
  struct Case {
    const char* name;
    std::function<void(QProgressDialog&)> gesture;
  };
  const Case cases[] = {
      {"a click on Cancel", [](QProgressDialog&) { ClickWaitingBoxCancel(); }},
      {"Escape", [](QProgressDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool shown = false;
    QTimer::singleShot(1300, &results, [&] {
      QProgressDialog* box = ShownWaitingBox();
      if (!box || !QTest::qWaitForWindowActive(box)) return;
      shown = true;
      c.gesture(*box);
    });
    QElapsedTimer clock;
    clock.start();
    mnuFileStartMatlab_Click(model, host, services);
    EXPECT_TRUE(shown);
    EXPECT_LT(clock.elapsed(), 3000) << "given up at once";
    EXPECT_FALSE(link.alive());
    EXPECT_TRUE(host.messages.empty());
  }
}

// The waiting box shows over the window active when the start began, which
// may go during the wait: the box stays, and its Cancel still ends the wait.
TEST_F(ExecuteCommands, TheWaitingBoxOutlivesTheWindowItShowsOver) {
  link.setStartTimeoutMs(5000);
  QTemporaryDir dir;
  WriteFakeInstallation(dir, "mute");
  pickedDirectory = dir.path().toStdString();
  auto* window = new QWidget;
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  bool overIt = false;
  bool outlived = false;
  QTimer::singleShot(1300, &results, [&] {
    QProgressDialog* box = ShownWaitingBox();
    overIt = box && box->windowHandle()->transientParent() == window->windowHandle();
    delete window;
  });
  QTimer::singleShot(1500, &results, [&] { outlived = ClickWaitingBoxCancel(); });
  QElapsedTimer clock;
  clock.start();
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_TRUE(overIt);
  EXPECT_TRUE(outlived);
  EXPECT_TRUE(host.messages.empty());
}

// The picker opens where an interpreter is installed, so that Yes to the
// question and OK at once start it; with none found it opens as it always did.
TEST_F(ExecuteCommands, StartMatlabOpensThePickerOnTheInstalledInterpreter) {
  services.pickDirectory = [this](const std::string& prompt, const std::string& startDir) {
    prompts.push_back(prompt);
    startDirs.push_back(startDir);
    return startDir.empty() ? QDir::currentPath().toStdString() : startDir;  // OK at once
  };
  QDir::setCurrent(elsewhere_.path());
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_EQ(startDirs, std::vector<std::string>{""});
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Sorry, Matlab excutable still not found.|16|Quorvin"});

  host.messages.clear();
  startDirs.clear();
  installation = "/usr";
  KeyboardSinScreen(boxes);
  host.answers = {Answer::Yes};
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(startDirs, std::vector<std::string>{"/usr"});
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     "Done !|64|Quorvin"}));
  EXPECT_TRUE(link.alive());
}

TEST_F(ExecuteCommands, StartMatlabFromUsrStartsOctaveAndExecuteRunsBoxByBox) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  EXPECT_TRUE(host.messages.empty());
  ASSERT_TRUE(link.alive());
  EXPECT_EQ(QDir::currentPath().toStdString(), model.appDir);
  EXPECT_EQ(link.eval("disp(pwd)", {}).output, model.appDir + "\r\n");

  KeyboardSinScreen(boxes);
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_TRUE(results.isVisible());
  EXPECT_EQ(results.text(),
            "box1=[ 1 2 3 ];\r\n"
            "box2=sin(box1);\r\n"
            "box3=box2\r\n"
            "box3 =\r\n\r\n   0.8415   0.9093   0.1411\r\n\r\n");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Done !|64|Quorvin"});

  // A second run without OK goes on in the same window; OK empties it.
  const std::string once = results.text();
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text(), once + once);
  results.cmdOK->click();
  EXPECT_TRUE(results.isHidden());
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text(), once);
}

TEST_F(ExecuteCommands, ALoopRunsWholeAndFailuresChangeTheClosingMessage) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  // input -> For 1:1:10 -> Sin -> Next -> Screen Output
  boxes.nextBox = 6;
  SetBox(boxes, 1, "Constant Input", "2", -1, 2);
  SetBox(boxes, 2, "For", "1:1:10,", 1, 3);
  SetBox(boxes, 3, "Sin", "", 2, 4);
  SetBox(boxes, 4, "Next", "", 3, 5);
  SetBox(boxes, 5, "Screen Output", "", 4, 0);
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text(),
            "box1=2;\r\n"
            "for box2=1:1:10,\r\n   box3=sin(box2);\r\nend;\r\nbox4=box3;\r\n"
            "box5=box4\r\nbox5 = -0.5440\r\n");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Done !|64|Quorvin"});

  // The same chart fed by an undefined name: both statements fail, the walk
  // goes on, and the end says so.
  results.cmdOK_Click();
  host.messages.clear();
  link.eval("clear all", {});  // no box1 left from the run before
  SetBox(boxes, 1, "Constant Input", "undefined_thing", -1, 2);
  SetBox(boxes, 2, "Screen Output", "", 1, 0);
  boxes.nextBox = 3;
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text().rfind("box1=undefined_thing;\r\nerror: ", 0), 0u) << results.text();
  EXPECT_NE(results.text().find("box2=box1\r\nerror: "), std::string::npos);
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Done, but 2 statements failed in Matlab: see \"Matlab Text "
                                     "Results\".|48|Quorvin"});
}

TEST_F(ExecuteCommands, ABlockLeftOpenIsSentAtTheEnd) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  boxes.nextBox = 4;  // input -> For -> Sin, and no Next
  SetBox(boxes, 1, "Constant Input", "2", -1, 2);
  SetBox(boxes, 2, "For", "1:1:10,", 1, 3);
  SetBox(boxes, 3, "Sin", "", 2, 0);
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text().rfind("box1=2;\r\nfor box2=1:1:10,\r\n   box3=sin(box2);\r\n", 0), 0u)
      << results.text();
  ASSERT_EQ(host.messages.size(), 1u);
  const std::string& end = host.messages[0];
  EXPECT_EQ(end.rfind("Done, but the script is incomplete:", 0), 0u) << end;
  EXPECT_NE(end.find("1 statement failed in Matlab"), std::string::npos) << end;
}

TEST_F(ExecuteCommands, ExecuteWithoutInterpreterAsksAndNoAbandonsTheRun) {
  KeyboardSinScreen(boxes);
  host.answers = {Answer::No};
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     kCouldNotCompileMessage + "|64|Quorvin"}));
  EXPECT_EQ(results.text(), "");
  // The progress went to the model's views, and is put back there.
  EXPECT_EQ(views.pointers, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default}));
  EXPECT_EQ(views.gauge, std::vector<double>{3.0 / 350 * 100});
}

// Wherever the person left the results window, each run shows it whole on
// the screen and in front; the first run puts it in the bottom right-hand
// corner.
TEST_F(ExecuteCommands, EachRunShowsTheResultsWindowWholeInFront) {
  KeyboardSinScreen(boxes);
  const QRect screen = results.screen()->availableGeometry();
  host.answers = {Answer::No};
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_TRUE(results.isVisible());
  EXPECT_EQ(results.frameGeometry().bottomRight(), screen.bottomRight());

  results.setGeometry(screen.right() - 100, screen.bottom() - 50, 560, 420);
  results.showMinimized();
  host.answers = {Answer::No};
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_TRUE(results.isVisible());
  EXPECT_FALSE(results.isMinimized());
  EXPECT_TRUE(screen.contains(results.frameGeometry())) << results.frameGeometry().x();
  EXPECT_EQ(results.size(), QSize(560, 420));
}

// The interpreter ends in the middle of a run: the next box meets the
// question at once; No keeps what was shown and ends without "Done !".
TEST_F(ExecuteCommands, NoAfterTheInterpreterEndedKeepsWhatWasShown) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  boxes.nextBox = 4;
  SetBox(boxes, 1, "Constant Input", "2", -1, 2);
  SetBox(boxes, 2, "Matlab Command", "Output=exit", 1, 3);
  SetBox(boxes, 3, "Screen Output", "", 2, 0);
  host.answers = {Answer::No};
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(results.text(), "box1=2;\r\nbox2=exit\r\nthe interpreter has ended\r\n");
  EXPECT_FALSE(results.isHidden());
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     kCouldNotCompileMessage + "|64|Quorvin"}));
  EXPECT_FALSE(link.alive());
}

TEST_F(ExecuteCommands, YesToTheQuestionStartsTheInterpreterAndTheRunGoesOn) {
  KeyboardSinScreen(boxes);
  host.answers = {Answer::Yes};
  pickedDirectory = "/usr";
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(prompts, std::vector<std::string>{"Please locate the Matlab directory"});
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     "Done !|64|Quorvin"}));
  EXPECT_EQ(results.text().find("box1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\nbox3=box2\r\nbox3 ="), 0u);
}

// A statement that prints, then works for a while: the results window shows
// it and its output before the answer is in, and nothing that compiles or
// starts an interpreter runs in the meantime.
TEST_F(ExecuteCommands, DuringARunTheWindowShowsTheStatementAndNoSecondCompileStarts) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  prompts.clear();
  boxes.nextBox = 3;
  SetBox(boxes, 1, "Constant Input", "3; disp('working'); pause(1.5)", -1, 2);
  SetBox(boxes, 2, "Screen Output", "", 1, 0);
  std::vector<bool> running;
  QObject::connect(&run, &RunState::runningChanged, [&](bool r) { running.push_back(r); });
  struct Meanwhile {
    bool running = false;
    std::string exchange = "unset";
    QString shown;
    std::vector<std::string> messages;
  } meanwhile;
  QTimer::singleShot(700, &results, [&] {
    meanwhile.running = run.running();
    meanwhile.exchange = results.text();
    meanwhile.shown = results.txt->toPlainText();
    QueuedQuestions other;
    mnuEXEMatlab_Click(model, 1, other, services);
    mnuExeDDE_Click(model, 1, other, run);
    mnuExeFile_Click(model, 1, other, run);
    mnuFileStartMatlab_Click(model, other, services);
    meanwhile.messages = other.messages;
  });

  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_TRUE(meanwhile.running);
  EXPECT_EQ(meanwhile.exchange, "");
  EXPECT_EQ(meanwhile.shown.toStdString(), "box1=3; disp('working'); pause(1.5);\nworking");
  const std::string refused = kRunUnderWayMessage + "|64|Quorvin";
  EXPECT_EQ(meanwhile.messages, std::vector<std::string>(4, refused));
  EXPECT_TRUE(prompts.empty());  // no directory asked for
  EXPECT_EQ(running, (std::vector<bool>{true, false}));
  EXPECT_FALSE(run.running());

  const std::string exchange =
      "box1=3; disp('working'); pause(1.5);\r\nworking\r\nbox2=box1\r\nbox2 = 3\r\n";
  EXPECT_EQ(results.text(), exchange);
  EXPECT_EQ(results.txt->toPlainText(), QString::fromStdString(exchange).remove('\r'));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Done !|64|Quorvin"});
  // The run over, the commands work again.
  mnuExeDDE_Click(model, 1, host, run);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "box1=3; disp('working'); pause(1.5);\r\nbox2=box1\r\n");
}

// The run's last message brings the program's windows over the figure it
// drew, so the figure is raised after it; a run that draws none raises none.
TEST_F(ExecuteCommands, ARunThatPlotsRaisesItsFigureAfterItsLastMessage) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  QTemporaryDir stub;
  ASSERT_TRUE(testing_support::WriteRecordingFigure(stub.path().toStdString()));
  ASSERT_EQ(link.eval("set(0, 'defaultfigurevisible', 'off'); figure; addpath('" +
                          stub.path().toStdString() + "');",
                      {})
                .status,
            EvalResult::Status::Ok);
  const auto figureCalls = [&] { return link.eval(testing_support::kRecordedFigureCalls, {}).output; };
  boxes.nextBox = 3;
  SetBox(boxes, 1, "Constant Input", "[1 2 3]", -1, 2);
  SetBox(boxes, 2, "Plot Output", "Plot2d;plot(Input1)\r\n", 1, -1);
  // Told what was called when the closing message shows.
  struct AtTheEnd : QueuedQuestions {
    std::function<std::string()> calls;
    std::string atDone;
    Answer messageBox(const std::string& text, MessageStyle style,
                      const std::string& title) override {
      if (text == "Done !") atDone = calls();
      return QueuedQuestions::messageBox(text, style, title);
    }
  } asked;
  asked.calls = figureCalls;
  mnuEXEMatlab_Click(model, 1, asked, services);
  EXPECT_EQ(asked.messages, std::vector<std::string>{"Done !|64|Quorvin"});
  EXPECT_EQ(asked.atDone, "figure() \r\n");  // the first plot's own
  EXPECT_EQ(figureCalls(), "figure() figure(1) \r\n");
  EXPECT_EQ(results.text(), "box1=[1 2 3];\r\nsystem_dependent(12,'off');figure;plot(box1);\r\n");

  SetBox(boxes, 2, "Screen Output", "", 1, 0);
  mnuEXEMatlab_Click(model, 1, host, services);
  EXPECT_EQ(figureCalls(), "figure() figure(1) \r\n");
  link.eval("rmpath('" + stub.path().toStdString() + "'); close all", {});
}

// Every figure a run opens comes in front after its last message, whichever
// box drew it, the oldest first and the current one last; a figure open
// before the run stays where the person left it.
TEST_F(ExecuteCommands, EveryFigureTheRunOpenedComesInFrontTheCurrentOneLast) {
  pickedDirectory = "/usr";
  mnuFileStartMatlab_Click(model, host, services);
  ASSERT_TRUE(link.alive());
  ASSERT_EQ(link.eval("close all; set(0, 'defaultfigurevisible', 'off'); figure(7);", {}).status,
            EvalResult::Status::Ok);
  QTemporaryDir stub;
  ASSERT_TRUE(testing_support::WriteRecordingFigure(stub.path().toStdString()));
  const auto figureCalls = [&] { return link.eval(testing_support::kRecordedFigureCalls, {}).output; };
  // Box 1, a constant, feeds box 2 and, in the plot case, box 3 too.
  struct Case {
    const char* name;
    const char* kind;
    const char* params;
    std::string raised;
  };
  // Octave numbers a new figure with the lowest free number.
  for (const Case& c : {
           Case{"a command's figures", "Matlab Command", "figure; plot(1:3); figure(3); figure(2)",
                "figure(1) figure(3) figure(2) \r\n"},
           Case{"two plot boxes", "Plot Output", "Plot2d;figure\r\nplot(Input1)\r\n",
                "figure(1) figure(2) \r\n"},
       }) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(link.eval("close(setdiff(get(0, 'children'), 7)); figure(7);", {}).status,
              EvalResult::Status::Ok);
    boxes.nextBox = 4;
    SetBox(boxes, 1, "Constant Input", "[1 2 3]", -1, 2);
    const bool plots = std::string(c.kind) == "Plot Output";
    SetBox(boxes, 2, c.kind, c.params, 1, plots ? -1 : 3);
    if (plots) {
      SetBox(boxes, 3, c.kind, c.params, 1, -1);
      boxes[1].OutLink[2] = 3;
    } else {
      SetBox(boxes, 3, "Screen Output", "", 2, -1);
    }
    // The figures the run opens are real; from its last message on, the
    // stand-in records what raises them.
    struct AtTheEnd : QueuedQuestions {
      std::function<void()> done;
      Answer messageBox(const std::string& text, MessageStyle style,
                        const std::string& title) override {
        if (done) done();
        return QueuedQuestions::messageBox(text, style, title);
      }
    } asked;
    asked.done = [&] {
      link.eval("addpath('" + stub.path().toStdString() + "');", {});
    };
    mnuEXEMatlab_Click(model, 1, asked, services);
    EXPECT_EQ(asked.messages, std::vector<std::string>{"Done !|64|Quorvin"}) << results.text();
    EXPECT_EQ(figureCalls(), c.raised);
    link.eval("rmpath('" + stub.path().toStdString() + "'); clear global quorvin_figure_calls", {});
  }
  link.eval("close all", {});
}

TEST_F(ExecuteCommands, EndingTheSessionEndsTheInterpreterItStarted) {
  auto session = std::make_unique<LinkSession>();
  ASSERT_TRUE(session->services().link.start(*FindInterpreter("/usr")));
  const auto pid = static_cast<pid_t>(session->services().link.processId());
  session->services().results.show();
  session.reset();
  EXPECT_EQ(::kill(pid, 0), -1);
}

TEST_F(ExecuteCommands, WriteToFileWithAndWithoutFunctionHeader) {
  KeyboardSinScreen(boxes);
  const QString file = QDir(appDir_.path()).filePath("Demo.Run.M");
  struct ScriptedSave : QueuedQuestions {
    std::optional<std::string> path;
    std::optional<std::string> saveFileAs(const std::string& filter,
                                          const std::string& initial) override {
      messages.push_back("save:" + filter + ":" + initial);
      return path;
    }
  } saver;
  saver.typed = "1 2 3";
  saver.path = file.toStdString();
  saver.answers = {Answer::Ok, Answer::Yes};  // "Done !", then the header question
  mnuExeFile_Click(model, 1, saver, run);
  EXPECT_EQ(saver.messages,
            (std::vector<std::string>{
                "save:Mathlab Files (*.m)|*.m|All Files (*.*)|*.*:", "Done !|64|Quorvin",
                "Do you want to add a function header ?|36|Quorvin"}));
  EXPECT_EQ(readFile(file),
            "function demo;\r\nbox1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\nbox3=box2\r\nend\r\n\r\n");

  saver.answers = {Answer::Ok, Answer::No};
  mnuExeFile_Click(model, 1, saver, run);
  EXPECT_EQ(readFile(file), "box1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\nbox3=box2\r\n\r\n");

  // A file that cannot be written is reported, with the reason.
  saver.messages.clear();
  saver.path = appDir_.path().toStdString() + "/no-such-dir/x.m";
  saver.answers = {Answer::Ok, Answer::No};
  mnuExeFile_Click(model, 1, saver, run);
  ASSERT_EQ(saver.messages.size(), 4u);
  EXPECT_EQ(saver.messages[3], "The script could not be written:\r\n" + *saver.path +
                                   "\r\nNo such file or directory.|48|Quorvin");

  // Cancelling the dialog compiles nothing: the keyboard box is not asked.
  saver.messages.clear();
  saver.prompts.clear();
  saver.path.reset();
  mnuExeFile_Click(model, 1, saver, run);
  EXPECT_EQ(saver.messages.size(), 1u);
  EXPECT_TRUE(saver.prompts.empty());
}

TEST_F(ExecuteCommands, NothingCompiledMeansNoFileAndAnEmptyClipboard) {
  boxes.nextBox = 1;  // no boxes: no start box
  struct ScriptedSave : QueuedQuestions {
    std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
      return std::string("/tmp/never-written-by-quorvin.m");
    }
  } saver;
  mnuExeFile_Click(model, 1, saver, run);
  EXPECT_EQ(saver.messages,
            (std::vector<std::string>{"There are no inputs !|48|Quorvin",
                                      "No file to make, check your algorithm.|48|Quorvin"}));
  EXPECT_FALSE(QFile::exists("/tmp/never-written-by-quorvin.m"));

  QGuiApplication::clipboard()->setText("old");
  mnuExeDDE_Click(model, 1, host, run);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "");

  KeyboardSinScreen(boxes);
  mnuExeDDE_Click(model, 1, host, run);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "box1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\nbox3=box2\r\n");
}

}  // namespace
}  // namespace quorvin

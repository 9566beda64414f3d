#pragma once
// The settings file "quorvin.ini" in the program directory: a profile text of
// "[section]" lines, each followed by its "key=value" lines. The program's
// preferences live in the section "Prefrences". Reading and writing keep the
// rest of the file as the person left it, byte for byte; the UTF-8 byte-order
// mark an editor may put first is read past and kept. Standard library and
// the safe-file writer only.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/preferences.h"

namespace quorvin {

inline const std::string kSettingsFileName = "quorvin.ini";
inline const std::string kPreferencesSection = "Prefrences";

// The keys, in the order Save writes them.
namespace settings_key {
inline const std::string kShowBubbles = "Show Bubbles";
inline const std::string kLineWidth = "Line Width";
inline const std::string kUnusedBoxesForInput = "Unused Boxs for Input";
inline const std::string kShowToolbox = "Show Toolbox";
inline const std::string kDefaultToolbox = "Default Toolbox";
inline const std::string kToolboxSize = "Toolbox Size";
inline const std::string kScanDrives = "Scan Drives";
}  // namespace settings_key

// The longest value a key gives: a longer one is cut to this many characters.
constexpr std::size_t kLongestSettingValue = 254;

// The value of key in section of the profile text bytes: the text after the
// first "=" of the section's first line for that key, blanks around it
// dropped, cut at kLongestSettingValue. Section and key names match without
// regard to case; the first section of the name is the one searched. Nothing
// when the section or the key is missing.
std::optional<std::string> ProfileString(std::string_view bytes, std::string_view section,
                                         std::string_view key);

// A preference of section "Prefrences" as the start-up takes it: nothing
// also for an empty value and for one beginning "Not Used".
std::optional<std::string> SettingValue(std::string_view bytes, std::string_view key);

// bytes with key set to value in section: the key's first line there is
// replaced, or a line is added after the section's last line that is not
// blank, or the section is added at the end of the text. Every other line
// stays as it was. New lines end as the text's lines do (CR LF for a text
// without any). A value holding a line break is cut before it: a value is
// one line.
std::string WithProfileString(std::string_view bytes, std::string_view section,
                              std::string_view key, std::string_view value);

// The settings file of directory dir: "quorvin.ini" when dir holds a file of
// that name, else the first (in name order) of its files whose name equals it
// without regard to case; nothing when dir holds none. A directory of that
// name is not a settings file.
std::optional<std::string> FindSettingsFile(const std::string& dir);

// The file the settings of dir are read from and saved to: the one
// FindSettingsFile finds, else "quorvin.ini" in dir.
std::string SettingsFilePath(const std::string& dir);

// The largest settings file read or saved: a profile text of a few keys
// holds a few hundred bytes.
constexpr std::size_t kLargestSettingsFile = std::size_t{1} << 20;

// A settings file that is there but gives no settings, and why, in words for
// a message ("Is a directory", "Permission denied", "Not a text file of this
// program (it holds NUL bytes)").
struct UnreadableSettings {
  std::string path;
  std::string why;
  bool operator==(const UnreadableSettings&) const = default;
};

// What a read of the settings found beyond the preferences themselves.
struct SettingsRead {
  bool fileRead = false;  // a settings file was there and was read
  // Set when the settings file is there but could not be read.
  std::optional<UnreadableSettings> unreadable;
};

// Puts the keys present in the profile text into prefs; a key that is absent
// leaves its preference as it was. A "Line Width" whose first character is
// not a digit from 1 to 4 changes nothing; for 1 to 4 it becomes the width.
// "Show Bubbles", "Show Toolbox" and "Unused Boxs for Input" are off for a
// value beginning "0" and on for any other.
SettingsRead ReadSettings(std::string_view bytes, Preferences& prefs);

// ReadSettings on the settings file of dir. A missing file (a symbolic link
// to no file included) changes nothing and is no fault. So does one that is
// there but gives no settings, which the answer's `unreadable` names: an
// entry of that name that is no plain file (a directory, a named pipe, a
// loop of links; FindSettingsFile finds none of them), a file that cannot
// be read, one larger than kLargestSettingsFile, and one that is not text
// of this program (WhyNotPlainText). Nothing but a plain file is opened.
SettingsRead ReadSettingsFile(const std::string& dir, Preferences& prefs);

// The first of dirs whose settings file is there but could not be read: what
// a start-up that found no settings file to read passed by on its way.
std::optional<UnreadableSettings> FirstUnreadableSettings(const std::vector<std::string>& dirs);

// bytes with the seven keys of section "Prefrences" set from prefs, in the
// order of settings_key.
std::string WithPreferences(std::string_view bytes, const Preferences& prefs);

// Saves prefs into the settings file of dir, creating file and section as
// needed; false with error (when given) saying why, and the file as it was,
// when the file cannot be read as ReadSettingsFile reads it, or written.
bool SaveSettingsFile(const std::string& dir, const Preferences& prefs,
                      std::string* error = nullptr);

}  // namespace quorvin

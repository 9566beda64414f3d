#pragma once
// The settings file "quorvin.ini" in the program directory: a profile text of
// "[section]" lines, each followed by its "key=value" lines. The program's
// preferences live in the section "Prefrences". Reading and writing keep the
// rest of the file as the person left it, byte for byte. Standard library and
// the safe-file writer only.

#include <optional>
#include <string>
#include <string_view>

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

// What a read of the settings found beyond the preferences themselves: the
// frame's toolbox items follow these two keys when they are present.
struct SettingsRead {
  bool fileRead = false;
  bool showToolbox = false;     // "Show Toolbox" present
  bool defaultToolbox = false;  // "Default Toolbox" present
};

// Puts the keys present in the profile text into prefs; a key that is absent
// leaves its preference as it was. A "Line Width" whose first character is
// not a digit from 1 to 4 changes nothing; for 1 to 4 it becomes the width.
// "Show Bubbles", "Show Toolbox" and "Unused Boxs for Input" are off for a
// value beginning "0" and on for any other.
SettingsRead ReadSettings(std::string_view bytes, Preferences& prefs);

// ReadSettings on the settings file of dir; a missing or unreadable file
// changes nothing.
SettingsRead ReadSettingsFile(const std::string& dir, Preferences& prefs);

// bytes with the seven keys of section "Prefrences" set from prefs, in the
// order of settings_key.
std::string WithPreferences(std::string_view bytes, const Preferences& prefs);

// Saves prefs into the settings file of dir, creating file and section as
// needed; false with error (when given) saying why, and the file as it was,
// when the file cannot be read or written.
bool SaveSettingsFile(const std::string& dir, const Preferences& prefs,
                      std::string* error = nullptr);

}  // namespace quorvin

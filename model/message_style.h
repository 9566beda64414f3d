#pragma once
// How a message box looks: its buttons, its icon and the button Enter
// presses. A message names its style as buttons plus an icon
// (style::kYesNo + style::kExclamation), buttons alone (an icon-less box) or
// an icon alone (with the OK button).

namespace quorvin {

// Each value is the code a style's number adds up from, so code() below is
// the number the messages are known by.
enum class MessageButtons {
  Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5
};
enum class MessageIcon {
  None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64
};
// The button Enter presses: the first unless the style names a later one.
enum class DefaultButton { First = 0, Second = 256, Third = 512 };

struct MessageStyle {
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  DefaultButton defaultButton = DefaultButton::First;

  constexpr MessageStyle() = default;
  // Implicit, so that a message given only its buttons or only its icon
  // reads as it is said.
  constexpr MessageStyle(MessageButtons b) : buttons(b) {}
  constexpr MessageStyle(MessageIcon i) : icon(i) {}

  // The style's number: the sum of its three codes (48 an exclamation with
  // OK, 51 the same with Yes, No and Cancel).
  constexpr int code() const {
    return static_cast<int>(buttons) + static_cast<int>(icon) + static_cast<int>(defaultButton);
  }

  friend constexpr bool operator==(const MessageStyle&, const MessageStyle&) = default;
};

constexpr MessageStyle operator+(MessageButtons buttons, MessageIcon icon) {
  MessageStyle s(buttons);
  s.icon = icon;
  return s;
}
constexpr MessageStyle operator+(MessageIcon icon, MessageButtons buttons) {
  return buttons + icon;
}
constexpr MessageStyle operator+(MessageStyle s, DefaultButton button) {
  s.defaultButton = button;
  return s;
}

// The names the program's messages use.
namespace style {
inline constexpr MessageButtons kOk = MessageButtons::Ok;
inline constexpr MessageButtons kAbortRetryIgnore = MessageButtons::AbortRetryIgnore;
inline constexpr MessageButtons kYesNoCancel = MessageButtons::YesNoCancel;
inline constexpr MessageButtons kYesNo = MessageButtons::YesNo;
inline constexpr MessageIcon kCritical = MessageIcon::Critical;
inline constexpr MessageIcon kQuestion = MessageIcon::Question;
inline constexpr MessageIcon kExclamation = MessageIcon::Exclamation;
inline constexpr MessageIcon kInformation = MessageIcon::Information;
inline constexpr DefaultButton kSecondButtonDefault = DefaultButton::Second;
inline constexpr DefaultButton kThirdButtonDefault = DefaultButton::Third;
}  // namespace style

}  // namespace quorvin

#pragma once
// Every line the program writes ends with CR LF: flowchart files, generated
// script, .m files and the exchange shown from the interpreter.

#include <string>

namespace quorvin {

inline const std::string kCrLf = "\r\n";

}  // namespace quorvin

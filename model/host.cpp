#include "model/host.h"

#include <array>
#include <utility>

namespace quorvin {

namespace {
constexpr std::array<std::pair<Answer, const char*>, 7> kWords{{
    {Answer::Ok, "OK"},
    {Answer::Cancel, "Cancel"},
    {Answer::Abort, "Abort"},
    {Answer::Retry, "Retry"},
    {Answer::Ignore, "Ignore"},
    {Answer::Yes, "Yes"},
    {Answer::No, "No"},
}};
}  // namespace

const char* AnswerWord(Answer a) {
  for (const auto& [answer, word] : kWords)
    if (answer == a) return word;
  return "OK";
}

std::optional<Answer> AnswerFromWord(const std::string& word) {
  for (const auto& [answer, w] : kWords)
    if (word == w) return answer;
  return std::nullopt;
}

}  // namespace quorvin

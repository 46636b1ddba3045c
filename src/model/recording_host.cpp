#include "model/recording_host.h"

#include <utility>

#include "model/print_surface.h"

namespace corvane {

std::vector<std::string> RecordingHost::takeMessages() {
  std::vector<std::string> texts;
  for (Message& message : messages_) texts.push_back(std::move(message.text));
  messages_.clear();
  return texts;
}

size_t RecordingHost::unusedQueuedAnswers() const {
  return questions_.size() + inputs_.size() + files_.size();
}

void RecordingHost::showMessage(const std::string& text, MessageIcon icon,
                                const std::string& title) {
  messages_.push_back({icon, shown(text), shown(title)});
}

Answer RecordingHost::nextAnswer(const std::string& asked) {
  const std::string question = shown(asked);
  Answer answer = Answer::No;
  if (!questions_.empty()) {
    answer = questions_.front();
    questions_.pop_front();
  }
  const char* word = answer == Answer::Yes ? "yes" : answer == Answer::No ? "no" : "cancel";
  note("question \"" + question + "\" -> " + word);
  return answer;
}

bool RecordingHost::askYesNo(const std::string& text, const std::string&) {
  return nextAnswer(text) == Answer::Yes;
}

Answer RecordingHost::askYesNoCancel(const std::string& text, const std::string&) {
  return nextAnswer(text);
}

std::optional<std::string> RecordingHost::inputBox(const std::string& prompt, const std::string&,
                                                   const std::string&) {
  std::optional<std::string> answer;
  if (!inputs_.empty()) {
    answer = inputs_.front();
    inputs_.pop_front();
  }
  note("input \"" + shown(prompt) + "\" -> " + (answer ? "\"" + *answer + "\"" : "cancel"));
  return answer;
}

std::optional<std::string> RecordingHost::nextFile(const char* chooser, const std::string& filter) {
  std::optional<std::string> answer;
  if (!files_.empty()) {
    answer = files_.front();
    files_.pop_front();
  }
  note(std::string(chooser) + " \"" + filter + "\" -> " + (answer ? *answer : "cancel"));
  return answer;
}

std::optional<std::string> RecordingHost::chooseOpenFile(const std::string& filter) {
  return nextFile("open", filter);
}

std::optional<std::string> RecordingHost::chooseSaveFile(const std::string& filter) {
  return nextFile("save", filter);
}

std::unique_ptr<PrintSurface> RecordingHost::choosePrinter() {
  return nullptr;
}

}  // namespace corvane

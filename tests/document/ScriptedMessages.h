#pragma once
// A UserMessages that answers from a script and keeps every text it was
// shown, for tests of the document, the view and the frame.

#include "UserMessages.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedMessages : public UserMessages {
 public:
  struct Shown {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
  };

  void answerNext(MessageAnswer answer) { m_answers.push_back(answer); }

  MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
    shown.push_back({text, icon, buttons});
    if (m_answers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    MessageAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
  }

  std::vector<Shown> shown;

 private:
  std::deque<MessageAnswer> m_answers;
};

#pragma once
// UserMessages: the one way the program asks the user something or tells
// the user something. The program backs it with modal message boxes; tests
// install a scripted answerer. Callers never see a widget.

#include <string>

enum class MessageIcon { None, Information, Exclamation, Error, Question };
enum class MessageButtons { Ok, YesNoCancel, YesNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // Shows text (UTF-8) and waits for the answer.
  virtual MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons) = 0;
};

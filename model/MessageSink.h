// Message boxes that core operations raise. The core never opens a window:
// it hands the message to the installed sink, which the program's host shows
// and tests record.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Phrase.h"
#include "model/Status.h"

namespace lodex {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  // A text worded already (by the program around the core, or without
  // words); empty when the reason or the phrases say it.
  std::string text;
  // The box's title: kAppTitle, or a text of the core marked with
  // LODEX_TRANSLATE_NOOP, which the host translates.
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  // Why an operation was refused, for the host to word in its language;
  // the text is then empty.
  std::optional<Reason> reason = std::nullopt;
  // What the program says, one phrase after another, for the host to word in
  // its language; the text is then empty.
  std::vector<Phrase> phrases = {};
};

// What a message says in the core's words (the command line's and standard
// error's): its text, else its reason in English, else its phrases in the
// program's own words.
std::string MessageText(const Message& message);

class CMessageSink {
 public:
  virtual ~CMessageSink() = default;
  virtual MessageAnswer Show(const Message& message) = 0;
};

// The sink in force; until one is installed, messages go to standard error
// and are answered with the first button.
CMessageSink& CurrentMessageSink();

// Shows `message` through the current sink.
MessageAnswer ShowMessage(const Message& message);

// Installs a sink for the lifetime of this object and restores the previous
// one afterwards.
class CScopedMessageSink {
 public:
  explicit CScopedMessageSink(CMessageSink& sink);
  ~CScopedMessageSink();
  CScopedMessageSink(const CScopedMessageSink&) = delete;
  CScopedMessageSink& operator=(const CScopedMessageSink&) = delete;

 private:
  CMessageSink* m_previous;
};

}  // namespace lodex

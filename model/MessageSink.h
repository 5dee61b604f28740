// Message boxes that core operations raise. The core never opens a window:
// it hands the message to the installed sink, which the program's host shows
// and tests record.
#pragma once

#include <string>

namespace lodex {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

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

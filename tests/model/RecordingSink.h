// A message sink that records every message and answers from a script.
#pragma once

#include <deque>
#include <vector>

#include "model/MessageSink.h"

namespace lodex::testing {

class CRecordingSink : public CMessageSink {
 public:
  MessageAnswer Show(const Message& message) override {
    messages.push_back(message);
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;
};

}  // namespace lodex::testing

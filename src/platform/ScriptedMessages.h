#pragma once
// A message presenter for tests and headless tools: records every message
// and answers from a script, falling back to the box's default button.

#include "platform/AppMessage.h"

#include <deque>
#include <string>
#include <vector>

namespace qor {

struct ShownMessage {
    std::string caption;
    std::string text;
    int style = 0;
};

class ScriptedMessages : public MessagePresenter {
public:
    // Installs itself as the presenter and restores the previous one when destroyed.
    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // The next answers, in order.
    void answer(int result) { answers_.push_back(result); }

    int present(const std::string& caption, const std::string& text, int style) override;

    const std::vector<ShownMessage>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }

private:
    MessagePresenter* previous_;
    std::deque<int> answers_;
    std::vector<ShownMessage> shown_;
};

// The answer a box gives when nobody chooses: its default button, the first
// one (OK, yes, retry) unless the style names another.
int defaultAnswer(int style);

} // namespace qor

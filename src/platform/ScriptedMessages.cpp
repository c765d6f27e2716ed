#include "platform/ScriptedMessages.h"

namespace qor {

ScriptedMessages::ScriptedMessages() : previous_(messagePresenter()) {
    setMessagePresenter(this);
}

ScriptedMessages::~ScriptedMessages() {
    setMessagePresenter(previous_);
}

int ScriptedMessages::present(const std::string& caption, const std::string& text, int style) {
    shown_.push_back({caption, text, style});
    if (answers_.empty())
        return defaultAnswer(style);
    const int result = answers_.front();
    answers_.pop_front();
    return result;
}

std::vector<std::string> ScriptedMessages::texts() const {
    std::vector<std::string> result;
    result.reserve(shown_.size());
    for (const ShownMessage& message : shown_)
        result.push_back(message.text);
    return result;
}

int defaultAnswer(int style) {
    return messageBoxLayout(style).defaultButton;
}

} // namespace qor

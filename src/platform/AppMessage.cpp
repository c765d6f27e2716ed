#include "platform/AppMessage.h"

#include "platform/ScriptedMessages.h"

#include <algorithm>
#include <cstddef>

namespace qor {

namespace {
MessagePresenter* currentPresenter = nullptr;
} // namespace

const char* const AppCaption = "*qor spanisch";

void setMessagePresenter(MessagePresenter* presenter) {
    currentPresenter = presenter;
}

MessagePresenter* messagePresenter() {
    return currentPresenter;
}

MessageBoxLayout messageBoxLayout(int style) {
    using namespace MessageResult;
    MessageBoxLayout layout;
    switch (style & 0x0F) {
    case 1:
        layout.buttons = {Ok, Cancel};
        break;
    case 2:
        layout.buttons = {Abort, Retry, Ignore};
        break;
    case 3:
        layout.buttons = {Yes, No, Cancel};
        break;
    case 4:
        layout.buttons = {Yes, No};
        break;
    case 5:
        layout.buttons = {Retry, Cancel};
        break;
    default:
        layout.buttons = {Ok};
        break;
    }
    switch (style & 0xF0) {
    case 0x10:
        layout.icon = MessageIcon::Stop;
        break;
    case 0x20:
        layout.icon = MessageIcon::Question;
        break;
    case 0x30:
        layout.icon = MessageIcon::Exclamation;
        break;
    case 0x40:
        layout.icon = MessageIcon::Information;
        break;
    default:
        layout.icon = style == 0 ? MessageIcon::Exclamation : MessageIcon::None;
        break;
    }
    const auto defaultIndex = static_cast<std::size_t>((style >> 8) & 0x0F);
    layout.defaultButton = layout.buttons[defaultIndex < layout.buttons.size() ? defaultIndex : 0];
    // Escape means cancel; a box without cancel has to be answered (a lone
    // OK button excepted).
    if (std::find(layout.buttons.begin(), layout.buttons.end(), Cancel) != layout.buttons.end())
        layout.escapeButton = Cancel;
    else if (layout.buttons.size() == 1)
        layout.escapeButton = layout.buttons.front();
    return layout;
}

std::string normalizeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string shortenedMessageText(std::string_view text) {
    constexpr char Ellipsis = '\x85'; // "…" in Windows-1252
    constexpr std::size_t Kept = MaxMessageWord / 2 - 2;
    std::string out;
    std::size_t position = 0;
    while (position < text.size() && out.size() < MaxMessageText) {
        const std::size_t blank = text.find_first_of(" \t\r\n", position);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        const std::string_view word = text.substr(position, end - position);
        if (word.size() > MaxMessageWord) {
            out.append(word.substr(0, Kept));
            out.push_back(Ellipsis);
            out.append(word.substr(word.size() - Kept));
        } else {
            out.append(word);
        }
        if (end < text.size())
            out.push_back(text[end]);
        position = end + 1;
    }
    if (out.size() > MaxMessageText || position < text.size()) {
        out.resize(std::min(out.size(), MaxMessageText));
        out.push_back(Ellipsis);
    }
    return out;
}

int ShowMessage(const std::string& caption, const std::string& text, int style) {
    if (!currentPresenter)
        return defaultAnswer(style);
    return currentPresenter->present(caption, shortenedMessageText(text), style);
}

int AppMessage(const std::string& text, int style) {
    return ShowMessage(AppCaption, text, style);
}

} // namespace qor

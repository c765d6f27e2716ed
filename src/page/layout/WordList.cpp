#include "page/layout/WordList.h"

#include <string_view>

namespace qor {

namespace {

std::string trimPunctuation(std::string word) {
    constexpr std::string_view trailing = ".,;:!?\")]";
    constexpr std::string_view leading = "([\"";
    while (!word.empty() && trailing.find(word.back()) != std::string_view::npos)
        word.pop_back();
    std::size_t start = 0;
    while (start < word.size() && leading.find(word[start]) != std::string_view::npos)
        ++start;
    return word.substr(start);
}

bool isBlank(const std::string& word) {
    return word.find_first_not_of(' ') == std::string::npos;
}

} // namespace

void TWordList::Add(std::string word, const PixelRect& rect, int group) {
    if (isBlank(word)) {
        lastWasBlank_ = true;
        return;
    }
    word = trimPunctuation(std::move(word));
    if (word.empty())
        return;

    if (!entries_.empty() && group >= 0 && group == lastGroup_) {
        // A further word of the phrase: appended after a blank, with a
        // rectangle of its own that names the whole phrase.
        Entry& last = entries_.back();
        std::string& phrase = texts_[static_cast<std::size_t>(last.text)];
        const PixelRect& previous = last.rect;
        if (!lastWasBlank_ && previous.top == rect.top && previous.bottom == rect.bottom &&
            previous.right == rect.left) {
            phrase += word;
            last.rect.right = rect.right;
        } else {
            phrase += ' ' + word;
            entries_.push_back({rect, last.text});
        }
    } else if (!entries_.empty() && !lastWasBlank_ && entries_.back().rect.top == rect.top &&
               entries_.back().rect.bottom == rect.bottom &&
               entries_.back().rect.right == rect.left) {
        Entry& last = entries_.back();
        texts_[static_cast<std::size_t>(last.text)] += word;
        last.rect.right = rect.right;
    } else {
        texts_.push_back(std::move(word));
        entries_.push_back({rect, static_cast<int>(texts_.size()) - 1});
    }
    lastWasBlank_ = false;
    lastGroup_ = group;
}

void TWordList::Clear() {
    texts_.clear();
    entries_.clear();
    lastWasBlank_ = true;
    lastGroup_ = -1;
    lookedUp_ = {};
}

std::optional<std::string> TWordList::Lookup(int x, int y) {
    for (const Entry& entry : entries_) {
        if (entry.rect.contains(x, y)) {
            lookedUp_ = entry.rect;
            return texts_[static_cast<std::size_t>(entry.text)];
        }
    }
    return std::nullopt;
}

} // namespace qor

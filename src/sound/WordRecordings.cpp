#include "sound/WordRecordings.h"

#include "platform/AppMessage.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "sound/MciSenders.h"
#include "sound/WaveBase.h"
#include "sound/WordSpeech.h"

#include <algorithm>
#include <vector>

namespace qor {

namespace {

// The word without its first bracketed comment ("[fam.] tío" -> "tío"): the
// "[...]" span must hold at least one character; the doubled blank it may
// leave behind is reduced.
std::string withoutComment(std::string_view word) {
    std::string result(word);
    const std::size_t open = result.find('[');
    if (open != std::string::npos) {
        const std::size_t close = result.find(']', open + 1);
        if (close != std::string::npos && close > open + 1) {
            result.erase(open, close - open + 1);
            const std::size_t doubled = result.find("  ");
            if (doubled != std::string::npos)
                result.erase(doubled, 1);
        }
    }
    return std::string(TrimBlanks(result));
}

// The meanings of "a; b; c", each trimmed.
std::vector<std::string_view> meanings(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = text.find(';', start);
        parts.push_back(TrimBlanks(text.substr(start, semicolon - start)));
        if (semicolon == std::string_view::npos)
            return parts;
        start = semicolon + 1;
    }
}

std::string resolvedPath(const TXWaveBase& base, std::string_view reference) {
    return base.Resolve(reference).path;
}

// The text without every "[...]" and "(...)" span, blanks reduced.
std::string withoutBrackets(std::string_view text) {
    std::string result;
    char closing = 0;
    for (const char c : text) {
        if (closing) {
            if (c == closing)
                closing = 0;
        } else if (c == '[' || c == '(') {
            closing = c == '[' ? ']' : ')';
        } else if (c != ' ' || (!result.empty() && result.back() != ' ')) {
            result += c;
        }
    }
    return std::string(TrimBlanks(result));
}

} // namespace

bool PlayFileQuiet(const std::string& path) {
    if (path.empty())
        return true;
    SendMci("close welle", true);
    const bool opened = !IsMciError(SendMci("open \"" + path + "\" alias welle", true));
    const bool played = !IsMciError(SendMci("play welle from 0", true));
    return opened && played;
}

std::string FindWordRecording(const TXWaveBase& base, std::string_view word) {
    if (const std::string reference = base.LookUp(word, false); !reference.empty())
        return resolvedPath(base, reference);
    if (word.find(';') == std::string_view::npos) {
        const std::string reference = base.LookUp(withoutComment(word), false);
        return reference.empty() ? std::string() : resolvedPath(base, reference);
    }
    std::vector<std::string> found;
    for (std::string_view meaning : meanings(word)) {
        std::string reference = base.LookUp(withoutComment(meaning), false);
        if (!reference.empty())
            found.push_back(std::move(reference));
    }
    if (found.empty())
        return {};
    return resolvedPath(base,
                        found[static_cast<std::size_t>(Random(static_cast<int>(found.size())))]);
}

WordSound FindWordSound(const TXWaveBase& base, std::string_view word, bool spanish) {
    WordSound sound;
    sound.recording = FindWordRecording(base, word);
    if (sound.recording.empty() && spanish && base.SpeaksMissing())
        sound.speech = SpokenText(word);
    return sound;
}

bool PlayWordSound(const WordSound& sound, SpeechRate rate) {
    if (!sound.recording.empty() || sound.speech.empty())
        return PlayFileQuiet(sound.recording);
    std::optional<PcmSound> speech = speechSynthesizer().synthesize(sound.speech, rate);
    return !speech || PlayMemoryQuiet("welle", std::move(*speech));
}

std::string SpokenText(std::string_view word) {
    return withoutBrackets(meanings(word).front());
}

bool PlayWordRecording(const TXWaveBase& base, std::string_view word, bool speakIfMissing) {
    return PlayWordSound(FindWordSound(base, word, speakIfMissing));
}

namespace {

// The reference of the meaning under the caret or of the selection, or
// empty; spoken gets what speech would say instead.
std::string referenceAt(const TXWaveBase& base, std::string_view text, int caret,
                        int selectionLength, std::string& spoken) {
    const int length = static_cast<int>(text.size());
    // Positions from here on count from 1, as the caret position is read.
    const int p = std::max(caret, 1);
    const auto at = [&](int position) {
        return position >= 1 && position <= length ? text[static_cast<std::size_t>(position - 1)]
                                                   : '\0';
    };
    const auto range = [&](int from, int count) {
        from = std::max(from, 1);
        count = std::min(count, length - from + 1);
        return count > 0 ? text.substr(static_cast<std::size_t>(from - 1),
                                       static_cast<std::size_t>(count))
                         : std::string_view();
    };

    // The meaning around p: from after the "; " before it to the ";" after it,
    // without a leading "[comment]".
    int end = p;
    while (end <= length && at(end) != ';')
        ++end;
    int start = p;
    while (start > 1 && at(start) != ';')
        --start;
    if (at(start) == ';')
        start += 2;
    if (at(start) == '[') {
        while (start <= length && at(start) != ']')
            ++start;
        ++start;
        while (at(start) == ' ')
            ++start;
    }
    spoken = range(start, end - start);
    std::string reference = base.LookUp(spoken, false);

    if (reference.empty() && selectionLength > 0) {
        const std::string_view selection = TrimBlanks(range(p + 1, selectionLength));
        spoken = selection;
        reference = base.LookUp(selection, false);
        // A selection from the very start of the text: p stands for caret 0.
        if (reference.empty() && start == p &&
            static_cast<int>(selection.size()) == selectionLength) {
            std::string_view candidate = range(start, selectionLength);
            while (!candidate.empty() && (candidate.back() == ' ' || candidate.back() == '.'))
                candidate.remove_suffix(1);
            if (candidate.size() >= 2 && candidate.front() == '(' && candidate.back() == ')')
                candidate = candidate.substr(1, candidate.size() - 2);
            if (!candidate.empty())
                reference = base.LookUp(candidate, false);
        }
    }
    return reference;
}

} // namespace

void PlayRecordingAt(const TXWaveBase& base, std::string_view text, int caret, int selectionLength,
                     bool speakIfMissing) {
    if (text.empty() || caret > static_cast<int>(text.size()))
        return;
    std::string spoken;
    const std::string reference = referenceAt(base, text, caret, selectionLength, spoken);
    const ResolvedSound sound = reference.empty() ? ResolvedSound{} : base.Resolve(reference);
    if (sound.status == SoundStatus::MediumMissing) {
        AppMessage("Bitte legen Sie die qor spanisch CD-ROM ein!", MessageStyle::Exclamation);
        return;
    }
    if (sound.status != SoundStatus::Found) {
        if (speakIfMissing && base.SpeaksMissing())
            SpeakQuiet(SpokenText(spoken), SpeechRate::Normal);
        return;
    }
    SendMci("close welle", true);
    if (!IsMciError(SendMci("open \"" + sound.path + "\" type waveaudio alias welle")))
        SendMci("play welle from 0");
}

} // namespace qor

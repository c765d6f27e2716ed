#include "platform/mci/MciInterpreter.h"

#include "platform/Text.h"
#include "platform/mci/MciCommand.h"
#include "platform/mci/MciErrors.h"

#include <charconv>
#include <vector>

namespace qor {

namespace {

constexpr std::int64_t AudioTrack = 1; // a sound file is one audio track

MciAnswer failure(int error) {
    return {error, {}};
}

MciAnswer success(std::string text = {}) {
    return {MciError::None, std::move(text)};
}

// The answer to a command that returns no text: success or a device's error.
MciAnswer outcome(int error) {
    return error ? failure(error) : success();
}

// Walks the words after the verb and the device name.
class Words {
public:
    Words(const std::vector<MciWord>& words, std::size_t start) : words_(words), next_(start) {}

    bool atEnd() const { return next_ >= words_.size(); }

    // Takes the next word when it is the keyword (never a quoted word).
    bool take(std::string_view keyword) {
        if (atEnd() || words_[next_].quoted || !equalsIgnoreCase(words_[next_].text, keyword))
            return false;
        ++next_;
        return true;
    }

    const MciWord* value() { return atEnd() ? nullptr : &words_[next_++]; }

private:
    const std::vector<MciWord>& words_;
    std::size_t next_;
};

// A decimal number without sign; nothing for anything else.
std::optional<std::int64_t> parseNumber(const MciWord* word) {
    if (!word || word->text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const char* end = word->text.data() + word->text.size();
    const auto [stop, error] = std::from_chars(word->text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0)
        return std::nullopt;
    return value;
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> choices) {
    for (std::string_view choice : choices)
        if (equalsIgnoreCase(word, choice))
            return true;
    return false;
}

MciAnswer play(MciDevice& device, Words& words) {
    std::optional<std::int64_t> from;
    if (words.take("from")) {
        from = parseNumber(words.value());
        if (!from)
            return failure(MciError::BadInteger);
        if (*from > device.lengthMs())
            return failure(MciError::OutOfRange);
    }
    if (!words.atEnd())
        return failure(MciError::UnrecognizedKeyword);
    return outcome(device.play(from));
}

MciAnswer seek(MciDevice& device, Words& words) {
    if (!words.take("to"))
        return failure(words.atEnd() ? MciError::MissingParameter : MciError::UnrecognizedKeyword);
    std::int64_t target = 0;
    if (words.take("start")) {
        target = 0;
    } else if (words.take("end")) {
        target = device.lengthMs();
    } else {
        const MciWord* word = words.value();
        if (!word)
            return failure(MciError::MissingParameter);
        const auto position = parseNumber(word);
        if (!position)
            return failure(MciError::BadInteger);
        target = *position;
    }
    if (!words.atEnd())
        return failure(MciError::UnrecognizedKeyword);
    return outcome(device.seek(target));
}

MciAnswer save(MciDevice& device, Words& words) {
    const MciWord* file = words.value();
    if (!file || file->text.empty())
        return failure(MciError::MissingParameter);
    if (!words.atEnd())
        return failure(MciError::UnrecognizedKeyword);
    return outcome(device.save(file->text));
}

// The wave formats the devices play and record.
bool inRange(std::int64_t bits, std::int64_t channels, std::int64_t rate) {
    return (bits == 8 || bits == 16) && (channels == 1 || channels == 2) && rate >= 8000 &&
           rate <= 48000;
}

// "time format milliseconds" and the parts of a wave format, in any mix.
MciAnswer set(MciDevice& device, Words& words) {
    if (words.atEnd())
        return failure(MciError::MissingParameter);
    std::optional<std::int64_t> bits, channels, rate, alignment, bytesPerSecond;
    const std::pair<const char*, std::optional<std::int64_t>*> formatKeys[] = {
        {"bitspersample", &bits},
        {"channels", &channels},
        {"samplespersec", &rate},
        {"alignment", &alignment},
        {"bytespersec", &bytesPerSecond}};
    bool formatGiven = false;
    while (!words.atEnd()) {
        if (words.take("time")) {
            if (!words.take("format"))
                return failure(MciError::MissingParameter);
            const MciWord* unit = words.value();
            if (!unit)
                return failure(MciError::MissingParameter);
            if (!isOneOf(unit->text, {"milliseconds", "ms"}))
                return failure(MciError::BadTimeFormat);
            continue;
        }
        formatGiven = true;
        if (words.take("format")) {
            if (!words.take("tag"))
                return failure(MciError::MissingParameter);
            const MciWord* tag = words.value();
            if (!tag)
                return failure(MciError::MissingParameter);
            if (!isOneOf(tag->text, {"pcm", "1"}))
                return failure(MciError::OutOfRange);
            continue;
        }
        std::optional<std::int64_t>* target = nullptr;
        for (const auto& [keyword, value] : formatKeys) {
            if (words.take(keyword)) {
                target = value;
                break;
            }
        }
        if (!target)
            return failure(MciError::UnrecognizedKeyword);
        *target = parseNumber(words.value());
        if (!*target)
            return failure(MciError::BadInteger);
    }
    if (!formatGiven)
        return success();
    const std::optional<WaveFormat> current = device.waveFormat();
    if (!current)
        return failure(MciError::UnsupportedFunction);

    const std::int64_t newBits = bits.value_or(current->bitsPerSample);
    const std::int64_t newChannels = channels.value_or(current->channels);
    const std::int64_t newRate = rate.value_or(current->samplesPerSecond);
    if (!inRange(newBits, newChannels, newRate))
        return failure(MciError::OutOfRange);
    WaveFormat format;
    format.bitsPerSample = static_cast<int>(newBits);
    format.channels = static_cast<int>(newChannels);
    format.samplesPerSecond = static_cast<int>(newRate);
    // Alignment and bytes per second follow from the rest and must agree.
    if ((alignment && *alignment != format.blockAlign()) ||
        (bytesPerSecond && *bytesPerSecond != format.bytesPerSecond()))
        return failure(MciError::OutOfRange);
    return outcome(device.setWaveFormat(format));
}

MciAnswer status(MciDevice& device, Words& words) {
    if (words.atEnd())
        return failure(MciError::MissingParameter);
    MciAnswer answer;
    if (words.take("mode")) {
        switch (device.mode()) {
        case MciMode::Playing:
            answer = success("playing");
            break;
        case MciMode::Recording:
            answer = success("recording");
            break;
        case MciMode::Stopped:
            answer = success("stopped");
            break;
        }
    } else if (words.take("position")) {
        answer = success(std::to_string(device.positionMs()));
    } else if (words.take("length")) {
        answer = success(std::to_string(device.lengthMs()));
    } else if (words.take("current")) {
        if (!words.take("track"))
            return failure(MciError::MissingParameter);
        answer = success(std::to_string(AudioTrack));
    } else if (words.take("type")) {
        if (!words.take("track"))
            return failure(MciError::MissingParameter);
        const auto track = parseNumber(words.value());
        if (!track)
            return failure(MciError::BadInteger);
        if (*track != AudioTrack)
            return failure(MciError::OutOfRange);
        answer = success("audio");
    } else {
        return failure(MciError::UnrecognizedKeyword);
    }
    if (!words.atEnd())
        return failure(MciError::UnrecognizedKeyword);
    return answer;
}

struct OpenRequest {
    int error = 0;
    bool isNew = false; // "open new type waveaudio": an empty recording device
    std::string file;
    std::string alias;
};

OpenRequest rejected(int error) {
    OpenRequest request;
    request.error = error;
    return request;
}

OpenRequest parseOpen(const MciWord& element, Words& words) {
    OpenRequest request;
    std::string type;
    while (!words.atEnd()) {
        std::string* target = nullptr;
        if (words.take("type"))
            target = &type;
        else if (words.take("alias"))
            target = &request.alias;
        else if (words.take("shareable"))
            continue;
        else
            return rejected(MciError::UnrecognizedKeyword);
        const MciWord* value = words.value();
        if (!value || value->text.empty())
            return rejected(MciError::MissingParameter);
        *target = value->text;
    }
    // This machine has no CD drive, and no device types but wave audio and MP3.
    if ((!element.quoted && equalsIgnoreCase(element.text, "cdaudio")) ||
        equalsIgnoreCase(type, "cdaudio"))
        return rejected(MciError::DeviceNotInstalled);
    if (!type.empty() && !isOneOf(type, {"waveaudio", "mpegvideo"}))
        return rejected(MciError::DeviceNotInstalled);
    request.isNew = !element.quoted && equalsIgnoreCase(element.text, "new");
    if (request.isNew) {
        if (type.empty())
            return rejected(MciError::MissingParameter);
        if (!equalsIgnoreCase(type, "waveaudio"))
            return rejected(MciError::UnsupportedFunction);
        if (request.alias.empty())
            return rejected(MciError::NewRequiresAlias);
    } else {
        request.file = element.text;
        if (request.alias.empty())
            request.alias = element.text;
    }
    return request;
}

} // namespace

std::string MciAnswer::result() const {
    return ok() ? text : "Error" + std::to_string(error);
}

MciInterpreter::MciInterpreter(MciBackend& backend) : backend_(backend) {}

MciInterpreter::~MciInterpreter() = default;

MciDevice* MciInterpreter::find(std::string_view alias) {
    const auto it = devices_.find(lowerCase(alias));
    return it == devices_.end() ? nullptr : it->second.device.get();
}

void MciInterpreter::close(std::string_view alias) {
    devices_.erase(lowerCase(alias));
}

MciAnswer MciInterpreter::keep(std::string_view alias, MciOpened opened) {
    if (!opened.device)
        return failure(opened.error ? opened.error : MciError::InvalidFile);
    const int id = nextId_++;
    devices_[lowerCase(alias)] = {std::move(opened.device), id};
    return success(std::to_string(id));
}

MciAnswer MciInterpreter::openMemory(std::string_view alias, PcmSound sound) {
    if (alias.empty())
        return failure(MciError::NewRequiresAlias);
    close(alias);
    const WaveFormat& format = sound.format;
    if (!inRange(format.bitsPerSample, format.channels, format.samplesPerSecond) ||
        sound.samples.size() % static_cast<std::size_t>(format.blockAlign()) != 0)
        return failure(MciError::OutOfRange);
    return keep(alias, backend_.openMemory(std::move(sound)));
}

MciAnswer MciInterpreter::send(std::string_view command) {
    const MciWords split = splitMciCommand(command);
    if (split.error)
        return failure(split.error);
    const std::vector<MciWord>& all = split.words;
    if (all.empty())
        return failure(MciError::MissingCommandString);
    const std::string verb = lowerCase(all[0].text);
    static const std::initializer_list<std::string_view> verbs = {
        "open", "close", "play", "stop", "seek", "record", "save", "set", "status"};
    if (all[0].quoted || !isOneOf(verb, verbs))
        return failure(MciError::UnrecognizedCommand);
    if (all.size() < 2)
        return failure(MciError::MissingDeviceName);
    const MciWord& name = all[1];
    Words words(all, 2);

    if (verb == "open") {
        const OpenRequest request = parseOpen(name, words);
        if (request.error)
            return failure(request.error);
        close(request.alias);
        return keep(request.alias,
                    request.isNew ? backend_.openNewWaveAudio() : backend_.openFile(request.file));
    }

    if (verb == "close") {
        if (!words.atEnd())
            return failure(MciError::UnrecognizedKeyword);
        if (!name.quoted && equalsIgnoreCase(name.text, "all")) {
            devices_.clear();
            return success();
        }
        if (!find(name.text))
            return failure(MciError::InvalidDeviceName);
        close(name.text);
        return success();
    }

    MciDevice* device = find(name.text);
    if (!device)
        return failure(MciError::InvalidDeviceName);
    if (verb == "play")
        return play(*device, words);
    if (verb == "seek")
        return seek(*device, words);
    if (verb == "save")
        return save(*device, words);
    if (verb == "set")
        return set(*device, words);
    if (verb == "status")
        return status(*device, words);
    if (!words.atEnd())
        return failure(MciError::UnrecognizedKeyword);
    if (verb == "stop")
        return outcome(device->stop());
    return outcome(device->record());
}

} // namespace qor

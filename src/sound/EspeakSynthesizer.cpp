#include "sound/EspeakSynthesizer.h"

#include "platform/Text.h"

#include <cstring>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace qor {

namespace {

// A page of text at most, a minute of speech at most: bad input costs
// little.
constexpr std::size_t MaxTextBytes = 2000;
constexpr std::size_t MaxSeconds = 60;

struct Collected {
    std::vector<unsigned char> samples;
    std::size_t limit = 0;
};

// Called by espeak-ng during the synthesis, on this thread (synchronous
// mode); events end with espeakEVENT_LIST_TERMINATED and carry our data.
int collect(short* samples, int count, espeak_EVENT* events) {
    auto* into = static_cast<Collected*>(events ? events->user_data : nullptr);
    if (!into || !samples || count <= 0)
        return 0;
    const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(short);
    const std::size_t room = into->limit - std::min(into->limit, into->samples.size());
    const std::size_t take = std::min(bytes, room);
    const auto* begin = reinterpret_cast<const unsigned char*>(samples);
    into->samples.insert(into->samples.end(), begin, begin + take);
    return take < bytes ? 1 : 0; // 1 stops the synthesis
}

bool start() {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK)
        return false;
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return false;
    espeak_SetSynthCallback(collect);
    return espeak_ng_SetVoiceByName("es") == ENS_OK;
}

} // namespace

bool EspeakSynthesizer::available() {
    if (!started_) {
        started_ = start();
        if (*started_)
            sampleRate_ = espeak_ng_GetSampleRate();
        started_ = *started_ && sampleRate_ > 0;
    }
    return *started_;
}

std::optional<PcmSound> EspeakSynthesizer::synthesize(std::string_view text, SpeechRate rate) {
    text = TrimBlanks(text.substr(0, MaxTextBytes));
    if (text.empty() || !available())
        return std::nullopt;
    const std::string utf8 = cp1252ToUtf8(text);
    espeak_ng_SetParameter(espeakRATE, rate == SpeechRate::Slow ? SlowRate : NormalRate, 0);

    Collected collected;
    collected.limit = static_cast<std::size_t>(sampleRate_) * sizeof(short) * MaxSeconds;
    const espeak_ng_STATUS status = espeak_ng_Synthesize(
        utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &collected);
    if (status != ENS_OK || collected.samples.empty())
        return std::nullopt;
    PcmSound sound;
    sound.format = {16, 1, sampleRate_};
    sound.samples = std::move(collected.samples);
    return sound;
}

} // namespace qor

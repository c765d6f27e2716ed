#include "SampleRecordings.h"

#include <gtest/gtest.h>

namespace qor::recordings {
namespace {

// One library entry in the source format, ten lines.
std::string entry(const std::string& word, const std::string& meaning, bool german = false) {
    return word + "\n" + meaning + "\n\n\n0\n\n0\n0\n" + (german ? "-1" : "0") + "\n1\n";
}

TEST(SampleRecordings, LibrarySourcesAreReadAsTheProgramReadsThem) {
    const std::string source =
        entry("padre (m)", "(der) Vater") +
        // a ".wav" line before the meaning, a context sentence on the flag's line
        "madre (f)\r\n.wav\r\n(die) Mutter\r\n\r\n\r\nSu (madre) es profesora.\r\n-1\r\n\r\n0\r\n"
        "0\r\n0\r\n1\r\n" +
        entry("Haus", "casa (f); hogar (m) [Heim]", true) + "cortado\n(der) Schnitt\n\n";
    const std::vector<LibraryWord> words = parseLibrarySource(source);
    ASSERT_EQ(words.size(), 3u) << "the cut-off last entry is left out";
    EXPECT_EQ(words[0].word, "padre (m)");
    EXPECT_EQ(words[1].word, "madre (f)");
    EXPECT_EQ(words[1].meanings[0], "(die) Mutter");
    EXPECT_FALSE(words[1].german);
    EXPECT_TRUE(words[2].german);

    EXPECT_EQ(spanishTexts(words[0]), std::vector<std::string>{"padre (m)"});
    EXPECT_EQ(spanishTexts(words[2]), (std::vector<std::string>{"casa (f)", "hogar (m)"}));
}

TEST(SampleRecordings, SpokenFormsAndFileNames) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"padre (m)", "padre", "padre"},
        {"padres (mpl)", "padres", "padres"},
        {"(de) pequeño", "de pequeño", "de_pequeno"},
        {"banco [Sitz]  (m)", "banco", "banco"},
        {"¿Cuántos años tienes?", "¿Cuántos años tienes?", "cuantos_anos_tienes"},
        {"¡Salud!", "¡Salud!", "salud"},
        {"té (m)", "té", "te"},
        {"?!", "?!", "aufnahme"},
    };
    for (const auto& [text, spoken, stem] : cases) {
        EXPECT_EQ(spokenForm(text), spoken) << text;
        EXPECT_EQ(fileStem(spokenForm(text)), stem) << text;
    }
    EXPECT_LE(fileStem(std::string(80, 'a') + " b").size(), 48u);
}

TEST(SampleRecordings, TextsSpokenAlikeShareARecordingAndNamesNeverClash) {
    const RecordingPlan plan =
        planRecordings({"tío (m)", "hijo (m)", "tio", "hijo", "tío (m)", "TIO", "(m)"});
    ASSERT_EQ(plan.recordings.size(), 4u);
    EXPECT_EQ(plan.recordings[0].file, "tio.wav");
    EXPECT_EQ(plan.recordings[0].spoken, "tío");
    EXPECT_EQ(plan.recordings[2].file, "tio_2.wav");
    EXPECT_EQ(plan.recordings[3].file, "tio_3.wav");

    ASSERT_EQ(plan.entries.size(), 5u) << "each text once; nothing to say for \"(m)\"";
    EXPECT_EQ(plan.entries[1].text, "hijo (m)");
    EXPECT_EQ(plan.entries[3].text, "hijo");
    EXPECT_EQ(plan.entries[1].file, plan.entries[3].file);
}

} // namespace
} // namespace qor::recordings

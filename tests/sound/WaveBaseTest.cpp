#include "sound/WaveBase.h"

#include "core/Configuration.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

class WaveBaseTest : public ::testing::Test {
protected:
    // Entries written as UTF-8 literals.
    void add(std::initializer_list<SoundEntry> entries) {
        for (const SoundEntry& entry : entries)
            base.AddEntry(utf8ToCp1252(entry.Text), utf8ToCp1252(entry.Datei));
    }
    // Loading leaves the database unmodified, as at start-up.
    void load(std::initializer_list<SoundEntry> entries) {
        std::string text;
        for (const SoundEntry& entry : entries)
            text += entry.Text + "\r\n" + entry.Datei + "\r\n";
        base.Load(dir.file("s_w.txt", text));
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
    TXWaveBase base{config};
    int notified = 0;
};

TEST_F(WaveBaseTest, LookUpFollowsItsStepsInOrder) {
    add({{"casa (f)", "XS:\\casa_f.wav"},
         {"perro, el", "XS:\\perro_el.wav"},
         {"perro (m)", "XS:\\perro_m.wav"},
         {"toro, el", "XS:\\toro_el.wav"},
         {"(agua)", "XS:\\agua_paren.wav"},
         {"Árbol", "XS:\\arbol.wav"},
         {"tener que", "XS:\\tener.wav"},
         {"Casa Grande", "XS:\\casa_grande.wav"}});
    struct Case {
        const char* query;
        bool exact;
        const char* expected;
    };
    const Case cases[] = {
        {"", false, ""},
        {"ÁRBOL", true, "XS:\\arbol.wav"},       // ignoring case, also accented letters
        {"(tener) que", true, "XS:\\tener.wav"}, // a query in parentheses finds the bare word
        {"agua", false, ""},                     // a stored parenthesis is not removed
        {"(agua)", true, "XS:\\agua_paren.wav"}, // ...but matches as it is
        {"casa", false, "XS:\\casa_f.wav"},      // gender mark
        {"casa", true, ""},                      // not when exact
        {"perro", false, "XS:\\perro_m.wav"},    // " (" before ", " whatever the order
        {"toro", false, "XS:\\toro_el.wav"},     // ", " alone
        {"Perro", false, ""},                    // the continuation is case-sensitive
        {"casa grande", false, "XS:\\casa_grande.wav"},
        {"gato", false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(base.LookUp(utf8ToCp1252(c.query), c.exact), utf8ToCp1252(c.expected))
            << c.query << (c.exact ? " exact" : "");
}

TEST_F(WaveBaseTest, AnEmptyListNavigatesWithoutComplaint) {
    base.OnChange = [this] {
        ++notified;
    };
    base.First();
    base.Last();
    base.Next();
    base.Previous();
    base.GoToText("x");
    EXPECT_EQ(base.Current(), 0);
    EXPECT_EQ(notified, 5);
    EXPECT_TRUE(base.CheckCurrent());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(base.GetText(), "");
    base.SetText("x");
    base.DeleteCurrent();
    EXPECT_EQ(base.Count(), 0);
    EXPECT_FALSE(base.Modified());
}

TEST_F(WaveBaseTest, NavigationStopsAtBothEnds) {
    add({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    base.Last();
    base.Next();
    EXPECT_EQ(base.GetText(), "c");
    base.First();
    base.Previous();
    EXPECT_EQ(base.GetText(), "a");
    base.Next();
    EXPECT_EQ(base.GetDatei(), "2");
}

TEST_F(WaveBaseTest, GoToTextFindsTheFirstEntryNotBelowTheText) {
    add({{"agua", ""}, {"casa", ""}, {"Perro", ""}});
    const std::pair<const char*, int> cases[] = {{"", 0},     {"a", 0},  {"b", 1},
                                                 {"CASA", 1}, {"pe", 2}, {"zzz", 2}};
    for (const auto& [text, index] : cases) {
        base.Last();
        base.GoToText(text);
        EXPECT_EQ(base.Current(), index) << text;
    }
}

TEST_F(WaveBaseTest, EditsChangeTheCurrentEntryAndTellTheWindow) {
    load({{"a", "XS:\\a.wav"}});
    base.OnChange = [this] {
        ++notified;
    };

    base.SetText("a");
    EXPECT_FALSE(base.Modified()) << "the same text is no change";
    base.SetText("a ");
    EXPECT_EQ(base.GetText(), "a ") << "typing keeps trailing blanks";
    base.SetDatei("XU:\\a.wav");
    EXPECT_TRUE(base.Modified());
    EXPECT_EQ(notified, 2);

    base.InsertNew();
    EXPECT_EQ(base.Count(), 2);
    EXPECT_EQ(base.Current(), 0);
    EXPECT_EQ(base.GetText(), "");
    EXPECT_EQ(base.GetDatei(), ".wav");

    EXPECT_FALSE(base.CheckCurrent());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Der aktuelle Eintrag ist nicht vollständig!"_cp});
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Default);

    base.Last();
    base.DeleteCurrent();
    EXPECT_EQ(base.Count(), 1);
    EXPECT_EQ(base.Current(), 0) << "steps back from past the end";
}

TEST_F(WaveBaseTest, AddedTextIsTrimmedButTheReferenceIsNot) {
    base.AddEntry("  el perro \t", " XS:\\p.wav ");
    EXPECT_EQ(base.GetText(), "el perro");
    EXPECT_EQ(base.GetDatei(), " XS:\\p.wav ");
}

TEST_F(WaveBaseTest, SortIgnoresCaseKeepsEqualTextsInOrderAndFollowsTheCurrentEntry) {
    add({{"perro", "1"}, {"Agua", "2"}, {"casa", "3"}, {"agua", "4"}});
    base.GoToText("p");
    base.Sort();
    std::vector<std::string> references;
    for (const SoundEntry& entry : base.Entries())
        references.push_back(entry.Datei);
    EXPECT_EQ(references, (std::vector<std::string>{"2", "4", "3", "1"}));
    EXPECT_EQ(base.GetText(), "perro");
}

TEST_F(WaveBaseTest, SortingOneEntryIsNoChange) {
    load({{"a", "1"}});
    base.Sort();
    EXPECT_FALSE(base.Modified());
}

TEST_F(WaveBaseTest, RebasingTurnsReferencesBelowADirectoryIntoOwnRecordings) {
    add({{"a", "/home/ana/Aufnahmen/a.wav"},
         {"b", "/HOME/ana/aufnahmen/sub/b.wav"},
         {"c", "/home/ana/AufnahmenAlt/c.wav"},
         {"d", "XS:\\d.wav"}});
    EXPECT_TRUE(base.ReferencesDirectory("/home/ana/aufnahmen/"));
    EXPECT_FALSE(base.ReferencesDirectory("/home/bob/"));
    EXPECT_FALSE(base.ReferencesDirectory(""));

    EXPECT_EQ(base.RebaseReferences("/home/ana/Aufnahmen/"), 2);
    EXPECT_EQ(base.Entries()[0].Datei, "XU:/a.wav");
    EXPECT_EQ(base.Entries()[1].Datei, "XU:/sub/b.wav");
    EXPECT_EQ(base.Entries()[2].Datei, "/home/ana/AufnahmenAlt/c.wav");
    EXPECT_EQ(base.RebaseReferences(""), 0);

    // The rebased references resolve below the user's recordings.
    config.OwnWaveDir = dir.dir("eigene");
    dir.file("eigene/sub/b.wav", "RIFF");
    EXPECT_EQ(base.Resolve(base.Entries()[1].Datei).path, config.OwnWaveDir + "sub/b.wav");
}

TEST_F(WaveBaseTest, ResolveGivesPathAndStatusByPrefix) {
    dir.file("wave/LA/2/sl___21a.wav", "RIFF");
    dir.file("own/x.wav", "RIFF");
    const std::string absolute = dir.file("elsewhere/y.wav", "RIFF");

    struct Case {
        std::string reference;
        std::string waveDir, ownDir;
        int status;
        std::string path;
    };
    const std::string wave = dir.path() + "wave/", own = dir.path() + "own/";
    const Case cases[] = {
        {"", wave, own, SoundStatus::NotFound, ""},
        {"XS:\\LA\\2\\sl___21a.wav", wave, own, SoundStatus::Found, wave + "LA/2/sl___21a.wav"},
        {"XS:\\LA\\2\\missing.wav", wave, own, SoundStatus::NotFound, ""},
        {"XS:\\LA\\2\\sl___21a.wav", "", own, SoundStatus::NotFound, ""},
        {"XU:\\x.wav", wave, own, SoundStatus::Found, own + "x.wav"},
        {"XU:\\x.wav", wave, "", SoundStatus::NotConfigured, ""},
        {"XR:\\x.wav", wave, own, SoundStatus::NotConfigured, ""},
        {absolute, "", "", SoundStatus::Found, absolute},
        {"elsewhere/y.wav", "", "", SoundStatus::NotFound, ""}, // relative: no place to look
        {"XS:", wave, own, SoundStatus::NotFound, ""},
    };
    for (const Case& c : cases) {
        config.WaveDir = c.waveDir;
        config.OwnWaveDir = c.ownDir;
        const ResolvedSound sound = Resolve(c.reference, config);
        EXPECT_EQ(sound.status, c.status) << c.reference;
        EXPECT_EQ(sound.path, c.path) << c.reference;
    }

    config.LawRecordingDir = dir.path() + "own/";
    config.BusinessRecordingDir = "-"; // configured, but missing at start
    EXPECT_EQ(Resolve("XR:\\x.wav", config).status, SoundStatus::Found);
    EXPECT_EQ(Resolve("XW:\\x.wav", config).status, SoundStatus::NotFound);
}

TEST_F(WaveBaseTest, SoundLinkLinksOnlyRecordingsThatExist) {
    config.WaveDir = dir.dir("wave");
    dir.file("wave/perro.wav", "RIFF");
    add({{"perro (m)", "XS:\\perro.wav"}, {"gato", "XS:\\gato.wav"}});
    EXPECT_EQ(base.SoundLink("perro"), "<a href=\"" + config.WaveDir + "perro.wav\" >perro</a>");
    EXPECT_EQ(base.SoundLink("gato"), "gato");
    EXPECT_EQ(base.SoundLink("Hund"), "Hund");
}

} // namespace
} // namespace qor

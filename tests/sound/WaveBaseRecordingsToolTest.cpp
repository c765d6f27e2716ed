// The recordings tool as the build runs it, with a stand-in for espeak-ng
// that writes a small file and notes what it was asked to say.

#include "core/Configuration.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

std::string entry(const std::string& word) {
    return word + "\n(der) Test\n\n\n0\n\n0\n0\n0\n1\n";
}

class RecordingsToolTest : public ::testing::Test {
protected:
    RecordingsToolTest() {
        const std::string script =
            dir.file("fake-espeak", "#!/bin/sh\n"
                                    "while [ \"$1\" != \"-w\" ]; do shift; done\n"
                                    "out=$2; shift 3\n"
                                    "echo \"$1\" >> \"$(dirname \"$0\")/spoken.log\"\n"
                                    "echo \"RIFF $1\" > \"$out\"\n");
        std::filesystem::permissions(toNativePath(script), std::filesystem::perms::owner_all);
    }
    int run(const std::string& options = "") {
        const std::string command =
            std::string("'") + QOR_RECORDINGS_TOOL + "' --wave-dir '" + dir.path() +
            "wave' --folder vok --state '" + dir.path() + "state' --database '" + dir.path() +
            "s_w.qor' --base '" + dir.path() + "s_w.txt' --espeak '" + dir.path() +
            "fake-espeak' " + options + " '" + dir.path() + "lib.asc' > /dev/null 2>&1";
        return std::system(command.c_str());
    }
    std::string spokenSinceLastTime() {
        const std::string log = readFile(dir.path() + "spoken.log").value_or("");
        removeFile(dir.path() + "spoken.log");
        return log;
    }
    TXWaveBase& database() {
        loaded = std::make_unique<TXWaveBase>(config);
        loaded->Load(dir.path() + "s_w.qor");
        return *loaded;
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
    std::unique_ptr<TXWaveBase> loaded;
};

TEST_F(RecordingsToolTest, SpeaksOnlyWhatChangedAndNamesEveryRecordingMade) {
    config.WaveDir = dir.path() + "wave/";
    dir.file("s_w.txt", "# hand-made\nhola\nXU:\\hola.wav\n");
    dir.file("lib.asc", entry("padre (m)") + entry("madre (f)"));
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(spokenSinceLastTime(), "padre\nmadre\n");
    TXWaveBase& first = database();
    EXPECT_EQ(first.Count(), 3);
    EXPECT_EQ(first.LookUp("padre", false), "XS:\\vok\\padre.wav");
    EXPECT_EQ(first.LookUp("hola", true), "XU:\\hola.wav");
    EXPECT_EQ(first.Resolve(first.LookUp("madre (f)", true)).path,
              config.WaveDir + "vok/madre.wav");
    EXPECT_TRUE(messages.shown().empty());

    ASSERT_EQ(run(), 0);
    EXPECT_EQ(spokenSinceLastTime(), "") << "nothing changed, nothing spoken";

    dir.file("lib.asc", entry("padre (m)") + entry("tía (f)"));
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(spokenSinceLastTime(), "tía\n");
    EXPECT_FALSE(fileExists(config.WaveDir + "vok/madre.wav")) << "a word that is gone";
    EXPECT_EQ(database().LookUp("tía"_cp, false), "XS:\\vok\\tia.wav");
    EXPECT_EQ(readFile(config.WaveDir + "vok/tia.wav"), "RIFF tía\n");
}

// The lab's sentences: a real (tiny) wave file from the speaker, made
// smaller, once at normal and once at slow pace where the reference points.
TEST_F(RecordingsToolTest, LabSentencesAreSpokenAtTwoPacesAndCompressed) {
    dir.file("fake-espeak",
             "#!/bin/sh\n"
             "echo \"$*\" >> \"$(dirname \"$0\")/spoken.log\"\n"
             "while [ \"$1\" != \"-w\" ]; do shift; done\n"
             "printf 'RIFF\\050\\0\\0\\0WAVEfmt \\020\\0\\0\\0\\001\\0\\001\\0\\042\\126\\0\\0"
             "\\104\\254\\0\\0\\002\\0\\020\\0data\\004\\0\\0\\0\\001\\0\\002\\0' > \"$2\"\n");
    dir.file("s_w.txt", "");
    dir.file("lib.asc", entry("¿Qué hora es?"));
    dir.file("phrases.txt",
             "****Zeit\n¿Qué hora es?\n\n\nWie spät ist es?\nXS:\\LA\\1\\sl____1a.wav\n"
             "Hace sol.\n\n\nEs ist sonnig.\nXS:\\LA\\1\\sl____2a.wav\n");
    ASSERT_EQ(run("--phrases '" + dir.path() + "phrases.txt'"), 0);
    const std::string spoken = spokenSinceLastTime();
    EXPECT_NE(spoken.find("-s 150 -w " + dir.path() + "wave/LA/1/sl____2b.wav.part -- Hace sol."),
              std::string::npos)
        << spoken;
    EXPECT_NE(spoken.find("-s 100 -g 8 -w " + dir.path() + "wave/LA/1/sl____2a.wav.part"),
              std::string::npos);
    for (const char* file : {"sl____1a.wav", "sl____1b.wav", "sl____2a.wav", "sl____2b.wav"}) {
        const std::string wave = readFile(dir.path() + "wave/LA/1/" + file).value_or("");
        ASSERT_GT(wave.size(), 22u) << file;
        EXPECT_EQ(wave[20], '\x11') << file << " is no IMA ADPCM wave file";
    }
    TXWaveBase& sounds = database();
    EXPECT_EQ(sounds.LookUp("Hace sol.", true), "XS:\\LA\\1\\sl____2b.wav");
    EXPECT_EQ(sounds.LookUp("¿Qué hora es?"_cp, true), "XS:\\vok\\que_hora_es.wav")
        << "a library word keeps its own recording";
    EXPECT_EQ(sounds.Count(), 2);

    ASSERT_EQ(run("--phrases '" + dir.path() + "phrases.txt'"), 0);
    EXPECT_EQ(spokenSinceLastTime(), "");
}

TEST_F(RecordingsToolTest, AFailingSpeakerLeavesItsWordOutAndFailsTheStep) {
    dir.file("fake-espeak", "#!/bin/sh\nexit 3\n");
    dir.file("s_w.txt", "");
    dir.file("lib.asc", entry("padre (m)"));
    EXPECT_NE(run(), 0);
    EXPECT_EQ(database().Count(), 0);
}

} // namespace
} // namespace qor

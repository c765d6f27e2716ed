// The sample course as the build lays it out beside the program: every
// library loads without a message, saves back byte for byte, and every
// Spanish word of it has a recording in the sound database.

#include "core/Configuration.h"
#include "core/SharedRoutines.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "sound/WaveBase.h"
#include "sound/WordRecordings.h"
#include "support/TempDir.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/LibraryInfo.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

const std::string SampleRoot = QOR_SAMPLE_ROOT "/";
const char* const Areas[] = {"Grundwortschatz",
                             "Aufbauwortschatz",
                             "Reisevokabular",
                             "Oberstufenwortschatz",
                             "Recht",
                             "Wirtschaft",
                             "Pool"};

TEST(SampleCourseTest, EveryLibraryLoadsSavesBackAndIsSpoken) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    Configuration config(registry, SampleRoot + "qor-spanisch", SampleRoot);
    config.WaveDir = SampleRoot + "wave/";
    TXWaveBase sounds(config);
    sounds.Load(SampleRoot + "s_w.qor");
    ASSERT_GT(sounds.Count(), 0);
    test::TempDir temp;
    TBibliothek library(std::make_unique<TLastFiles>(registry));

    int entries = 0;
    int germanWords = 0;
    int withContext = 0;
    for (const char* area : Areas) {
        std::vector<std::string> files;
        CountFilesWithExtension(SampleRoot + "Vokabeln (S)/" + area, ".asc", {}, &files);
        EXPECT_GE(files.size(), std::string(area) == "Grundwortschatz" ? 6u : 3u) << area;
        for (const std::string& file : files) {
            SCOPED_TRACE(file);
            library.Load(file, true);
            EXPECT_TRUE(messages.shown().empty());
            ASSERT_TRUE(library.Save(temp.path() + "copy.asc"));
            EXPECT_EQ(readFile(temp.path() + "copy.asc"), readFile(file));
            for (const TVokabel& entry : library.Eintraege()) {
                if (entry.IsEmpty())
                    continue;
                const std::string spanish = entry.Deutsch ? entry.Bedeutung[0] : entry.Vokabel;
                EXPECT_NE(FindWordRecording(sounds, spanish), "") << spanish;
            }
            const LibraryCounts counts = CountLibrary(library.Eintraege());
            entries += counts.spanish.Total() + counts.german.Total();
            germanWords += counts.german.Total();
            withContext += counts.spanish.withContext + counts.german.withContext;
        }
    }
    // Both directions, and a context sentence for at least a third.
    EXPECT_GT(germanWords, entries / 10);
    EXPECT_GE(3 * withContext, entries);
}

} // namespace
} // namespace qor

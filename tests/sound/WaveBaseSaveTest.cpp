#include "core/Configuration.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {
using namespace literals;
using test::TempDir;

const std::string ChangedQuestion =
    "Die Datenbank für die Sprachaufnahmen wurde verändert.\nSollen "
    "diese Veränderungen gespeichert werden?"_cp;
const std::string SavedMessage =
    "Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert."_cp;
const std::string FailedQuestion =
    "Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert werden. \nSoll sie an einem "
    "anderen Ort gespeichert werden?\n\nAchtung: Bei Nein gehen alle Veränderungen verloren."_cp;

std::string packedPair(const char* text, const char* reference) {
    return deflateZlib(std::string(text) + '\0' + reference + '\0');
}

class WaveBaseSaveTest : public ::testing::Test {
protected:
    // A database loaded from path and then changed.
    void loadAndChange(const std::string& path) {
        base = std::make_unique<TXWaveBase>(config);
        base->Load(path);
        base->AddEntry("agua", "XS:\\agua.wav");
        base->InsertNew();
        base->SetText("zapato");
        base->SetDatei("XS:\\zapato.wav");
        messages.clear();
    }
    std::optional<std::string> savedDatabaseSetting() {
        base.reset();
        return registry.readString(RegistryKey::Directories, "Datenbank3");
    }
    std::vector<std::string> textsIn(const std::string& path) {
        TXWaveBase fresh(config);
        fresh.Load(path);
        std::vector<std::string> texts;
        for (const SoundEntry& entry : fresh.Entries())
            texts.push_back(entry.Text);
        return texts;
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<TXWaveBase> base;
    std::string shipped = dir.file("s_w.qor", packedPair("perro", "XS:\\perro.wav"));
};

TEST_F(WaveBaseSaveTest, AnUnchangedDatabaseIsNotSaved) {
    base = std::make_unique<TXWaveBase>(config);
    base->Load(shipped);
    base->SaveIfChanged();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_FALSE(savedDatabaseSetting());
}

TEST_F(WaveBaseSaveTest, WriteProtectionSuppressesQuestionAndSave) {
    config.WriteProtected = true;
    loadAndChange(shipped);
    base->SaveIfChanged();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(textsIn(shipped), std::vector<std::string>{"perro"});
    EXPECT_FALSE(savedDatabaseSetting());
}

TEST_F(WaveBaseSaveTest, DecliningLeavesTheFileAlone) {
    loadAndChange(shipped);
    messages.answer(MessageResult::No);
    base->SaveIfChanged();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{ChangedQuestion});
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::YesNo);
    EXPECT_EQ(textsIn(shipped), std::vector<std::string>{"perro"});
    EXPECT_FALSE(savedDatabaseSetting());
}

TEST_F(WaveBaseSaveTest, SavingSortsWritesAndRemembersTheFile) {
    loadAndChange(shipped);
    messages.answer(MessageResult::Yes);
    base->SaveIfChanged();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{ChangedQuestion, SavedMessage}));
    EXPECT_EQ(messages.shown()[1].style, MessageStyle::Default);
    EXPECT_EQ(textsIn(shipped), (std::vector<std::string>{"agua", "perro", "zapato"}));
    EXPECT_FALSE(base->Modified());
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(savedDatabaseSetting(), shipped);
}

TEST_F(WaveBaseSaveTest, AFailedSaveOffersAnotherPlaceUntilOneWorks) {
    const std::string lost = dir.file("gone/s_w.qor", packedPair("perro", "XS:\\perro.wav"));
    loadAndChange(lost);
    std::filesystem::remove_all(toNativePath(dir.path() + "gone"));
    dir.dir("neu");
    messages.answer(MessageResult::Yes); // save the changes
    messages.answer(MessageResult::Yes); // elsewhere
    messages.answer(MessageResult::Yes); // elsewhere again
    dialogs.answer(dir.path() + "nirgends/kopie.qor");
    dialogs.answer(dir.path() + "neu/kopie");
    base->SaveIfChanged();

    EXPECT_EQ(messages.texts(), (std::vector<std::string>{ChangedQuestion, FailedQuestion,
                                                          FailedQuestion, SavedMessage}));
    EXPECT_EQ(messages.shown()[1].style, MessageStyle::YesNo);
    ASSERT_EQ(dialogs.asked().size(), 2u);
    const FileDialogRequest& first = dialogs.asked()[0];
    EXPECT_EQ(first.title, "Datenbank für die Sprachaufnahmen speichern"_cp);
    EXPECT_EQ(first.fileName, "s_w.qor") << "proposed without its directory";
    EXPECT_EQ(first.filter, "QOR Datenbank (*.qor)");
    EXPECT_EQ(dialogs.asked()[1].fileName, "kopie.qor");

    const std::string saved = dir.path() + "neu/kopie.qor";
    EXPECT_EQ(base->SavedFileName(), saved);
    EXPECT_EQ(textsIn(saved), (std::vector<std::string>{"agua", "perro", "zapato"}));
    EXPECT_EQ(savedDatabaseSetting(), saved);
}

TEST_F(WaveBaseSaveTest, GivingUpAfterAFailureKeepsTheOldFileAndTheChangesInMemory) {
    for (bool cancelDialog : {false, true}) {
        const std::string readOnlyTarget = dir.file("s_w.qor", packedPair("perro", "x"));
        loadAndChange(dir.path() + "weg/s_w.qor");
        messages.answer(MessageResult::Yes);
        messages.answer(cancelDialog ? MessageResult::Yes : MessageResult::No);
        base->SaveIfChanged();
        EXPECT_EQ(messages.texts(), (std::vector<std::string>{ChangedQuestion, FailedQuestion}));
        EXPECT_EQ(dialogs.asked().size(), cancelDialog ? 1u : 0u);
        EXPECT_TRUE(base->Modified());
        EXPECT_EQ(base->Count(), 2);
        EXPECT_EQ(textsIn(readOnlyTarget), std::vector<std::string>{"perro"});
        EXPECT_FALSE(savedDatabaseSetting());
    }
}

TEST_F(WaveBaseSaveTest, APlainFileIsNotOverwrittenWithPackedData) {
    const std::string plain = dir.file("s_w.txt", "perro\r\nXS:\\perro.wav\r\n");
    loadAndChange(plain);
    messages.answer(MessageResult::Yes);
    base->SaveIfChanged();
    EXPECT_EQ(readFile(plain), "perro\r\nXS:\\perro.wav\r\n");
    EXPECT_EQ(textsIn(plain + ".qor"), (std::vector<std::string>{"agua", "perro", "zapato"}));
    EXPECT_EQ(savedDatabaseSetting(), plain + ".qor");
}

TEST_F(WaveBaseSaveTest, AFileThatCouldNotBeReadIsNeverSavedOver) {
    const std::string unreadable = dir.unreadableFile("s_w_alt.qor");
    loadAndChange(unreadable);
    EXPECT_EQ(base->Count(), 2);
    messages.answer(MessageResult::Yes);
    messages.answer(MessageResult::Yes);
    const std::string elsewhere = dir.path() + "gerettet.qor";
    dialogs.answer(elsewhere);
    base->SaveIfChanged();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{ChangedQuestion, FailedQuestion, SavedMessage}));
    EXPECT_TRUE(std::filesystem::is_symlink(toNativePath(unreadable)));
    EXPECT_EQ(textsIn(elsewhere), (std::vector<std::string>{"agua", "zapato"}));
}

TEST_F(WaveBaseSaveTest, SavingOverADamagedFileKeepsItsBytes) {
    const std::string whole = packedPair("perro", "XS:\\perro.wav");
    const std::string damaged = whole.substr(0, whole.size() - 3); // checksum cut off
    const std::string path = dir.file("s_w.qor", damaged);
    loadAndChange(path);
    messages.answer(MessageResult::Yes);
    base->SaveIfChanged();
    EXPECT_EQ(readFile(path + ".bak"), damaged);
    EXPECT_EQ(textsIn(path), (std::vector<std::string>{"agua", "perro", "zapato"}));
}

} // namespace
} // namespace qor

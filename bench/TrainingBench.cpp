// One step of a vocabulary training as the user meets it: the answer command
// records the answer with the user base and draws the answer page, and
// "vokabelweiter" draws the next question page - on a library of 500 entries
// for a user with 5,000 records, with the sample installation's real pages.
// Target: at most 5 ms for both together.

#include "QtBenchmarks.h"
#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "users/XUserBase.h"
#include "vocabulary/VocabularyTraining.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

using namespace qor;

const std::string PageFolder = std::string(QOR_SAMPLE_ROOT) + "/hqor/";

// The main window's part: pages of the sample installation in a page control.
class BenchPage : public CommandPage {
public:
    explicit BenchPage(TXPage& page) : page_(page) {}
    void loadPage(const std::string& fileName) override { page_.setXFile(PageFolder + fileName); }
    std::string currentPageFile() const override { return page_.XFile(); }
    void reloadPage() override {}
    void setPageDefine(const std::string& name, const std::string& value) override {
        page_.SetDefine(name, value);
    }
    std::string pageDefine(const std::string& name) const override { return page_.GetDefine(name); }
    void setPageCondition(const std::string& name, bool on) override {
        page_.SetCondition(name, on);
    }

private:
    TXPage& page_;
};

TVokabel entry(int i) {
    TVokabel e;
    e.Vokabel = "palabra" + std::to_string(i) + " (f)";
    e.Bedeutung[0] = "(das) Wort " + std::to_string(i);
    e.Bedeutung[1] = "(der) Ausdruck " + std::to_string(i);
    e.Wortart = static_cast<std::uint8_t>(i % 6);
    e.Schwierigkeit = static_cast<std::uint8_t>(i % 5);
    e.Kontext[0] = "Esta es la (palabra" + std::to_string(i) + ").";
    e.KtxDazu[0] = true;
    return e;
}

void AnswerAndNextQuestion(benchmark::State& state) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    const QTemporaryDir users;
    TXUserBase userBase(users.path().toStdString() + "/");
    userBase.LogIn("Bench", "");
    for (int i = 0; i < 5000; ++i)
        userBase.RecordAnswer("wort" + std::to_string(i), i % 2 == 0, 'e', 25, i % 6);
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    library.Clear(false);
    for (int i = 0; i < 500; ++i)
        library.Add(entry(i));
    library.AddEmpty();
    TVocEinstellungen settings;
    settings.Preset(3);
    settings.Modus = 0;
    settings.Kontext = true;
    const TRes reserve;

    TXPage page;
    page.resize(800, 572);
    PageExercises exercises(page);
    BenchPage commandPage(page);
    TrainingServices services;
    services.isLoggedIn = [&userBase] {
        return userBase.IsLoggedIn();
    };
    services.recordAnswer = [&userBase](const std::string& word, bool german, char mode, int value,
                                        int wordClass) {
        userBase.RecordAnswer(word, german, mode, value, wordClass);
    };
    VocabularyTraining training(library, settings, &reserve, services);
    training.setPage(&commandPage);
    const auto start = [&] {
        training.PreCheck();
        training.Start();
        training.NextQuestion(true, settings.ProRunde);
    };
    start();
    for (auto _ : state) {
        training.Answer("#1+");
        training.Continue();
        if (page.XFile() == "v_auswertung.htx") {
            state.PauseTiming();
            start();
            state.ResumeTiming();
        }
    }
    userBase.LogOut();
}
BENCHMARK(AnswerAndNextQuestion)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenUnlessChosen();
    QApplication application(argc, argv);
    if (!bench::initializeBenchmarks(argc, argv))
        return 1;
    if (!fileExists(PageFolder + "va_ein.htx")) {
        std::fprintf(stderr, "The training pages are missing in %s.\n", PageFolder.c_str());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

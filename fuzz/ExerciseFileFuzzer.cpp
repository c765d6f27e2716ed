// Any bytes as an exercise file: split it and run through it as a page
// control would, checking that the pieces stay within the file.

#include "FuzzCheck.h"
#include "page/model/ExerciseFile.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<ExerciseFile> file = ExerciseFile::parse(bytes);
    if (!file)
        return 0;

    std::size_t pieces = file->header().size() + file->trailer().size();
    for (const std::string& exercise : file->exercises())
        pieces += exercise.size();
    QOR_FUZZ_CHECK(pieces <= size);

    // Repeatable choices, different for every input.
    std::minstd_rand random(static_cast<unsigned>(size) + 1);
    ExerciseRun run(
        [&random](int range) { return static_cast<int>(random() % static_cast<unsigned>(range)); });
    run.setRemaining(size % 2 == 0 ? ExerciseRun::UseFileCount : static_cast<int>(size % 41) - 1);
    run.start(*file);
    for (int step = 0; step < 45; ++step) {
        const std::optional<ExerciseChoice> choice = run.next();
        if (!choice) {
            QOR_FUZZ_CHECK(file->exercises().empty());
            break;
        }
        QOR_FUZZ_CHECK(choice->index < file->exercises().size());
        QOR_FUZZ_CHECK(run.recentlyUsed().size() <= ExerciseRun::MaxRecentlyUsed);
        QOR_FUZZ_CHECK(choice->next == (run.remaining() >= 1 ? "ex" : ""));
        QOR_FUZZ_CHECK(file->pageText(choice->index).size() <= pieces);
    }
    return 0;
}

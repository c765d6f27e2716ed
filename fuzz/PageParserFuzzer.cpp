// Any bytes as page text. The first byte chooses how the host is set up:
// with or without a special-code handler (whose answers come from the page
// text itself), continuing the format of a first parse, inside an exercise.
// Besides the sanitizers it checks that every index the items carry points
// into its table, as layout relies on that.

#include "FuzzCheck.h"
#include "page/model/PageModel.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

void checkIndexes(const PageModel& model) {
    const PageContent& page = model.page();
    const auto within = [](int index, std::size_t size) {
        return index >= 0 && static_cast<std::size_t>(index) < size;
    };
    for (const tFormatted_text& item : page.items) {
        const TextFormat& format = item.format;
        QOR_FUZZ_CHECK(format.areaIndex == -1 || within(format.areaIndex, page.areaNames.size()));
        QOR_FUZZ_CHECK(format.exerciseIndex == -1 || format.exerciseIndex == DragExerciseIndex ||
                       within(format.exerciseIndex, page.typingFields.size()));
        switch (item.kind) {
        case ItemKind::Block:
            QOR_FUZZ_CHECK(within(format.boxIndex, page.boxes.size()));
            break;
        case ItemKind::CheckBox:
            QOR_FUZZ_CHECK(within(format.checkBoxIndex, page.checkBoxes.size()));
            break;
        case ItemKind::Picture:
            QOR_FUZZ_CHECK(within(format.picture.index, model.pictures().size()));
            QOR_FUZZ_CHECK(!format.picture.hasHoverPicture() ||
                           within(format.picture.second, model.pictures().size()));
            break;
        default:
            break;
        }
    }
    for (const TBox& box : page.boxes)
        QOR_FUZZ_CHECK(box.areaIndex == -1 || within(box.areaIndex, page.areaNames.size()));
    if (page.mosaic)
        QOR_FUZZ_CHECK(within(page.mosaic->boxIndex, page.boxes.size()));
    if (page.multipleChoice && !page.multipleChoice->items.empty())
        QOR_FUZZ_CHECK(within(page.multipleChoice->rightIndex, page.multipleChoice->items.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned setup = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    PageModel model;
    unsigned draws = setup;
    model.setRandomSource([&draws](int range) {
        draws = draws * 1103515245u + 12345u;
        return static_cast<int>((draws >> 8) % static_cast<unsigned>(range));
    });
    model.setCurrentPage("/nonexistent/hqor/", "seite01.htx");
    // Included files are a short text of their own: no file system, and
    // nesting stays cheap.
    model.setPageLoader([](const std::string& path) -> std::optional<std::string> {
        if (path.size() % 2 == 0)
            return std::nullopt;
        return std::string("<B>eingebunden</B> $[x]<IF #ex>a<ELSE>b</IF>\r");
    });
    model.OnPictureRequest = [](const std::string&, int) {
    };
    model.SetCondition("login", true);
    model.SetDefine("user", "<font size=+1>Ana</font>");

    if (setup & 1) {
        // The host answers "+" for "?+..." codes and the code itself otherwise,
        // so a substituted value is page text the fuzzer chose.
        model.OnSpecialCode = [](std::string& code) {
            if (!code.empty() && code.front() != '+')
                return;
            code = "+";
        };
    }
    model.setExerciseActive((setup & 2) != 0);
    if (setup & 4) {
        // Half the text sets up the format the other half continues.
        const std::string_view first = text.substr(0, text.size() / 2);
        model.Parse(first, false);
        checkIndexes(model);
        model.Parse(text.substr(first.size()), true);
    } else {
        model.Parse(text, false);
    }
    checkIndexes(model);

    // Clearing keeps definitions and styles; a second page must parse too.
    model.Clear();
    model.Parse(text, false);
    checkIndexes(model);
    return 0;
}

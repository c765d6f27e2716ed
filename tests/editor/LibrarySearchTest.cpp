#include "editor/model/LibrarySearch.h"

#include "platform/Registry.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TVokabel entry(const char* word, const char* meaning, const char* further, const char* context1,
               const char* context2) {
    TVokabel vokabel;
    vokabel.Vokabel = word;
    vokabel.Bedeutung = {meaning, further};
    vokabel.Kontext = {context1, context2};
    return vokabel;
}

TEST(LibrarySearchTest, FindsTheNextOccurrenceInEveryFieldAndGoesRound) {
    MemoryRegistry registry;
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    library.Clear(false);
    library.Add(entry("la casa", "das Haus", "das Heim", "Mi casa es su casa.", ""));
    library.Add(entry("el perro", "der Hund", "", "El perro ladra.", "Perro viejo"));
    library.Add(entry("comer", "essen", "speisen; fressen", "", "Hay que comer bien."));
    library.AddEmpty();

    struct Case {
        const char* text;
        bool caseSensitive;
        int entry, field, position; // the last hit; entry -1 for a new search
        bool found;
        int hitEntry, hitField, hitPosition;
    };
    const Case cases[] = {
        {"CASA", false, -1, 0, 1, true, 0, 0, 4},
        {"casa", false, 0, 0, 4, true, 0, 3, 4},
        {"casa", false, 0, 3, 4, true, 0, 3, 15},
        {"heim", false, -1, 0, 1, true, 0, 2, 5},
        {"PERRO", false, -1, 0, 1, true, 1, 0, 4},
        {"Perro", true, -1, 0, 1, true, 1, 4, 1},
        {"fressen", false, -1, 0, 1, true, 2, 2, 10},
        {"essen", true, 2, 1, 1, true, 2, 2, 12},
        // Only in the second context of the entry before the current one.
        {"VIEJO", false, 2, 0, 1, true, 1, 4, 7},
        // After the last entry the search starts again at the first one and
        // also looks at the fields of the starting entry before the last hit.
        {"comer", false, 2, 4, 9, true, 2, 0, 1},
        {"ladra", false, 1, 3, 10, true, 1, 3, 10},
        {"casa", false, 99, 3, 15, true, 0, 0, 4},
        {"gato", false, -1, 0, 1, false, -1, 0, 0},
        {"CASA", true, -1, 0, 1, false, -1, 0, 0},
        {"", false, -1, 0, 1, false, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.text << " after " << c.entry << "/" << c.field << "/" << c.position);
        EditorSearchState state{c.text, c.caseSensitive, c.entry, c.field, c.position, false};
        EXPECT_EQ(Search(library, state, compareIgnoreCase), c.found);
        EXPECT_EQ(state.Found, c.found);
        EXPECT_EQ(state.Entry, c.hitEntry);
        if (c.found) {
            EXPECT_EQ(state.Field, c.hitField);
            EXPECT_EQ(state.Position, c.hitPosition);
        }
    }
}

TEST(LibrarySearchTest, AnEmptyLibraryHasNothingToFind) {
    MemoryRegistry registry;
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    library.Clear(false);
    EditorSearchState state{"a", false, 0, 0, 1, true};
    EXPECT_FALSE(Search(library, state, compareIgnoreCase));
    EXPECT_FALSE(state.Found);
}

} // namespace
} // namespace qor

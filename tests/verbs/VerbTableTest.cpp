#include "page/model/ZipResource.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "verbs/Verben.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

struct FormCase {
    const char* verb;
    int slot;
    int person;
    const char* form; // UTF-8
    bool regular;
};

class BuiltInTable : public ::testing::Test {
protected:
    int verbNumber(std::string_view infinitive) const {
        for (int verb = 0; verb < verben.Count(); ++verb)
            if (verben.Verb(verb).Infinitiv == utf8ToCp1252(infinitive))
                return verb;
        return -1;
    }
    MemoryRegistry registry;
    TVerben verben{registry, [](int) {
                       return 0;
                   }};
};

TEST_F(BuiltInTable, HoldsFiftyEightVerbsWithEveryForm) {
    ASSERT_EQ(verben.Count(), 58);
    EXPECT_EQ(verben.Verb(0).Infinitiv, "haber");
    EXPECT_EQ(verben.Verb(1).Infinitiv, "ser");
    EXPECT_EQ(verben.Verb(57).Infinitiv, "venir");
    EXPECT_TRUE(verben.Verb(58).Infinitiv.empty());
    for (int verb = 0; verb < verben.Count(); ++verb) {
        SCOPED_TRACE(verben.Verb(verb).Infinitiv);
        EXPECT_FALSE(verben.Verb(verb).Bedeutung.empty());
        EXPECT_TRUE(verben.Verb(verb).usesHaber);
        for (int slot = 0; slot < TenseSlots; ++slot)
            for (int person = 0; person < Persons; ++person) {
                const bool exists = slot == ImperativeSlot   ? person > 0
                                    : slot == ParticipleSlot ? person < 2
                                                             : true;
                EXPECT_EQ(verben.Form(verb, slot, person).text.empty(), !exists)
                    << "slot " << slot << " person " << person;
            }
    }
}

TEST_F(BuiltInTable, FormsAndTheirRegularity) {
    const FormCase cases[] = {
        {"haber", 2, 0, "hube", false},
        {"haber", 2, 1, "hubiste", false},
        {"comprar", 0, 4, "compráis", true},
        {"comprar", 13, 0, "hubiera/hubiese comprado", true},
        {"comprar", 6, 5, "compren", true},
        {"acentuar", 0, 0, "acentúo", false},
        {"acentuar", 0, 3, "acentuamos", true},
        {"ser", 8, 0, "he sido", true},
        {"ser", 0, 4, "sois", false},
        {"ir", 6, 3, "vamos", false},
        {"ir", 14, 0, "yendo", false},
        {"dormir", 2, 2, "durmió", false},
        {"dar", 4, 0, "dé", false},
        {"oír", 0, 3, "oímos", false},
        {"reír", 2, 2, "rio", false},
        {"erguir", 0, 0, "irgo/yergo", false},
        {"poner", 14, 1, "puesto", false},
        {"tañer", 5, 3, "tañéramos/tañésemos", false},
        {"vender", 3, 3, "venderemos", true},
        {"concluir", 2, 5, "concluyeron", false},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(std::string(c.verb) + " " + std::to_string(c.slot) + "/" +
                     std::to_string(c.person));
        const int verb = verbNumber(c.verb);
        ASSERT_GE(verb, 0);
        const VerbForm& form = verben.Form(verb, c.slot, c.person);
        EXPECT_EQ(form.text, utf8ToCp1252(c.form));
        EXPECT_EQ(form.regular, c.regular);
    }
    EXPECT_EQ(verben.Verb(verbNumber("cruzar")).Bedeutung, "(durch)kreuzen");
}

TEST_F(BuiltInTable, PronounsAndPersonLabels) {
    EXPECT_EQ(verben.PronounOf(4, 0, 2), "él "_cp);
    EXPECT_EQ(verben.PronounOf(4, ImperativeSlot, 2), "");
    EXPECT_EQ(verben.PronounOf(4, ParticipleSlot, 0), "");
    EXPECT_EQ(TVerben::PersonLabel(ImperativeSlot, 1), "2. Person Singular ");
    EXPECT_EQ(TVerben::PersonLabel(0, 4), "2. Person Plural ");
    EXPECT_EQ(TVerben::PersonLabel(ParticipleSlot, 0), "Gerundio");
    EXPECT_EQ(TVerben::PersonLabel(ParticipleSlot, 1), "Participio");
}

// The shorthand: "*" goes before the stem is looked for, the stem carries
// over, "-" alone and "--" stay as they are.
TEST(VerbShorthand, ItemsExpand) {
    VerbLineReader reader;
    const auto forms = reader.read("*hub-e,*-iste,-,--x,plain", 6);
    ASSERT_EQ(forms.size(), 6u);
    EXPECT_EQ(forms[0].text, "hube");
    EXPECT_FALSE(forms[0].regular);
    EXPECT_EQ(forms[1].text, "hubiste");
    EXPECT_EQ(forms[2].text, "-");
    EXPECT_EQ(forms[3].text, "--x");
    EXPECT_EQ(forms[4].text, "plain");
    EXPECT_TRUE(forms[4].regular);
    EXPECT_EQ(forms[5].text, ""); // the line had only five items
    EXPECT_EQ(reader.read("-imos", 1)[0].text, "hubimos");
}

// A damaged or missing table gives no verbs; a cut-off record keeps what it has.
TEST(VerbTableReading, DamagedAndShortTables) {
    MemoryRegistry registry;
    TZIPResource junk = TZIPResource::fromPacked("not zlib");
    EXPECT_EQ(TVerben(junk, registry, [](int) { return 0; }).Count(), 0);

    TZIPResource shortTable =
        TZIPResource::fromPacked(deflateZlib("haber,haben,haber\r\nh-e,-as\r\n"));
    const TVerben cut(shortTable, registry, [](int) { return 0; });
    ASSERT_EQ(cut.Count(), 1);
    EXPECT_EQ(cut.Form(0, 0, 1).text, "has");
    EXPECT_TRUE(cut.Form(0, 1, 0).text.empty());

    std::string many;
    for (int verb = 0; verb < 95; ++verb)
        many += "v" + std::to_string(verb) + ",m,haber\r\n" + std::string(9, '\n');
    TZIPResource longTable = TZIPResource::fromPacked(deflateZlib(many));
    EXPECT_EQ(TVerben(longTable, registry, [](int) { return 0; }).Count(), MaxVerbRecords);
}

} // namespace
} // namespace qor

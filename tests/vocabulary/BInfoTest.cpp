#include "vocabulary/BInfo.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace qor {
namespace {

TVokabel entry(int wordClass, int difficulty, bool german, const char* context = "") {
    TVokabel e;
    e.Vokabel = "w";
    e.Bedeutung[0] = "m";
    e.Wortart = static_cast<std::uint8_t>(wordClass);
    e.Schwierigkeit = static_cast<std::uint8_t>(difficulty);
    e.Deutsch = german;
    e.Kontext[1] = context;
    return e;
}

// "label number" for every row of a group.
std::vector<std::string> rows(const QGroupBox* group) {
    std::vector<std::string> shown;
    const auto* form = qobject_cast<const QFormLayout*>(group->layout());
    for (int row = 0; row < form->rowCount(); ++row) {
        const auto text = [&](QFormLayout::ItemRole role) {
            return qobject_cast<QLabel*>(form->itemAt(row, role)->widget())->text().toStdString();
        };
        shown.push_back(text(QFormLayout::LabelRole) + " " + text(QFormLayout::FieldRole));
    }
    return shown;
}

TEST(BInfoTest, CountsClassesDifficultiesAndContextsPerDirection) {
    const std::vector<TVokabel> entries = {
        entry(0, 0, false, "Un (gato)."),
        entry(0, 4, false),
        entry(5, 2, false),
        entry(6, 7, false), // no class and no difficulty of a name
        entry(1, 1, true, "Ich (gehe)."),
        {}};
    TBInfo info(entries);
    EXPECT_EQ(info.windowTitle(), "Infos zur Bibliothek");
    const auto* tabs = info.findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Wortarten");
    const QList<QGroupBox*> classes = tabs->widget(0)->findChildren<QGroupBox*>();
    const QList<QGroupBox*> difficulties = tabs->widget(1)->findChildren<QGroupBox*>();
    ASSERT_EQ(classes.size(), 2);
    EXPECT_EQ(classes[0]->title(), "Spanisch-Deutsch");
    EXPECT_EQ(rows(classes[0]),
              (std::vector<std::string>{"Nomen: 2", "Verben: 0", "Adjektive: 0", "Kleine Wörter: 0",
                                        "Redew. mit Verb: 0", "Redew. ohne Verb: 1",
                                        "Vokabeln gesamt: 3", "davon mit Kontext(en): 1"}));
    EXPECT_EQ(rows(classes[1])[1], "Verben: 1");
    EXPECT_EQ(rows(difficulties[0]),
              (std::vector<std::string>{"Baby: 1", "Leicht: 0", "Mittel: 1", "Schwierig: 0",
                                        "Tödlich: 1", "Vokabeln gesamt: 3"}));
}

} // namespace
} // namespace qor

// Exercise objects and controls: the drag exercise's settings (<KLOTZ>),
// multiple choice, typing fields, check boxes, the one-line edit, the
// recorder and sentence building.

#include "page/model/Attributes.h"
#include "page/model/PageMessages.h"
#include "page/model/PageParser.h"
#include "platform/Text.h"

#include <utility>

namespace qor {

namespace {

std::vector<std::string> nonEmptyPieces(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces = SplitText(text, separator);
    std::erase(pieces, std::string());
    return pieces;
}

// The solutions of a typing field; the blank of a "; " separator is no part
// of the next one (nobody could type a leading blank).
std::vector<std::string> solutionPieces(std::string_view text) {
    std::vector<std::string> pieces;
    for (const std::string& piece : SplitText(text, ";"))
        if (const std::string_view trimmed = TrimBlanks(piece); !trimmed.empty())
            pieces.emplace_back(trimmed);
    return pieces;
}

// A value up to the next blank, or the rest of the tag at its end.
std::string readUntilBlank(TParser& parser) {
    std::string value;
    if (!parser.ReadUntil(" ", value))
        value = parser.Rest();
    return value;
}

// Rows and columns of a multiple choice; anything but a number from 1 to
// 100 counts as 1.
int gridSize(std::string_view value) {
    const std::optional<int> number = ParseInteger(value);
    return number && *number >= 1 && *number <= 100 ? *number : 1;
}

} // namespace

// <KLOTZ> sets up the page's drag exercise.
struct PageParser::KlotzTag {
    static const AttributeRule<KlotzTag> attributes[];

    explicit KlotzTag(PageParser& parser) : self(parser), drag(parser.page_.drag) {}
    // The width from the tray's left edge to the page's right edge.
    int rest() const { return self.model_.pageWidth() - std::max(drag.trayLeft, 0); }

    PageParser& self;
    DragExerciseSettings& drag;
};

const AttributeRule<PageParser::KlotzTag> PageParser::KlotzTag::attributes[] = {
    {"FALSCH",
     [](KlotzTag& t, TParser& p) {
         t.drag.distractors = nonEmptyPieces(ReadQuotedValue(p), "/");
     }},
    {"Y",
     [](KlotzTag& t, TParser& p) {
         t.drag.trayTop = ReadNumberValue(p, 0, 1000, 350);
     }},
    {"NR",
     [](KlotzTag& t, TParser& p) {
         t.drag.columns = ReadNumberValue(p, 0, 100, 4);
         if (t.drag.columns >= 4 && t.drag.columns <= 6)
             t.drag.blockWidth = 120 - 20 * (t.drag.columns - 4);
     }},
    {"LEFT",
     [](KlotzTag& t, TParser& p) {
         t.drag.trayLeft = ReadNumberValue(p, 0, 1000, 80);
     }},
    {"RIGHT",
     [](KlotzTag& t, TParser& p) {
         t.drag.trayRight = ReadNumberValue(p, 0, 1000, t.rest());
     }},
    {"WIDTH",
     [](KlotzTag& t, TParser& p) {
         t.drag.blockWidth = ReadNumberValue(p, 0, 1000, t.rest());
     }},
};

void PageParser::tagKlotz(TParser& parser) {
    parser.setStrict(false);
    KlotzTag tag(*this);
    ReadAttributes(parser, KlotzTag::attributes, tag);
}

struct PageParser::MultipleTag {
    static const AttributeRule<MultipleTag> attributes[];

    explicit MultipleTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    MultipleChoiceSpec choice;
    bool placed = false;
};

const AttributeRule<PageParser::MultipleTag> PageParser::MultipleTag::attributes[] = {
    {"COORDS",
     [](MultipleTag& t, TParser& p) {
         std::string value = ReadPlainValue(p);
         if (!value.empty() && value.front() == '#')
             value = t.self.page_.aliases.get(value);
         const PageModel& model = t.self.model_;
         t.choice.rect = ParseCoordinates(value, model.pageWidth(), model.pageHeight());
         t.placed = true;
     }},
    {"DIM", // DIM=rows,columns
     [](MultipleTag& t, TParser& p) {
         p.Expect("=");
         std::string rows;
         if (p.ReadUntil(",", rows)) {
             t.choice.rows = gridSize(rows);
             t.choice.columns = gridSize(readUntilBlank(p));
         }
     }},
    {"COLOR", // COLOR=inactive,active
     [](MultipleTag& t, TParser& p) {
         p.Expect("=");
         std::string inactive;
         if (p.ReadUntil(",", inactive)) {
             const TXAliasList& names = t.self.page_.colorNames;
             const RandomSource& random = t.self.model_.randomSource();
             t.choice.inactiveColor = ParseColorValue(inactive, names, random);
             t.choice.activeColor = ParseColorValue(readUntilBlank(p), names, random);
         }
     }},
    {"TXT",
     [](MultipleTag& t, TParser& p) {
         t.choice.items = SplitText(ReadQuotedValue(p), "|");
     }},
    {"REACTION",
     [](MultipleTag& t, TParser& p) {
         t.choice.reaction = ReadPlainValue(p);
     }},
};

void PageParser::tagMultiple(TParser& parser) {
    parser.setStrict(false);
    MultipleTag tag(*this);
    MultipleChoiceSpec& choice = tag.choice;
    choice.activeColor = page_.colors.choiceActive;
    choice.inactiveColor = page_.colors.choiceInactive;
    choice.highlightColor = page_.colors.choiceActive;
    ReadAttributes(parser, MultipleTag::attributes, tag);
    if (!tag.placed)
        return;
    choice.format = format_;

    // The first item is the right one; the shuffle takes it along.
    const int count = static_cast<int>(choice.items.size());
    if (choice.rows * choice.columns != count) {
        ShowPageError("Die Anzahl der Items stimmt nicht (Multiple Choice).");
    } else if (count >= 2) {
        const int swaps = 4 + model_.random(count);
        for (int swap = 0; swap < swaps; ++swap) {
            const int first = model_.random(count);
            const int second = (first + 1 + model_.random(count - 1)) % count;
            std::swap(choice.items[static_cast<std::size_t>(first)],
                      choice.items[static_cast<std::size_t>(second)]);
            if (choice.rightIndex == first)
                choice.rightIndex = second;
            else if (choice.rightIndex == second)
                choice.rightIndex = first;
        }
    }
    page_.multipleChoice = std::move(choice);
}

struct PageParser::EditTag {
    static const AttributeRule<EditTag> attributes[];

    explicit EditTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    TypingFieldSpec field;
    bool placed = false;
};

const AttributeRule<PageParser::EditTag> PageParser::EditTag::attributes[] = {
    {"COORDS",
     [](EditTag& t, TParser& p) {
         t.field.rect = t.self.readCoordinates(p);
         t.placed = true;
     }},
    {"LSG",
     [](EditTag& t, TParser& p) {
         t.field.solutions = solutionPieces(t.self.definitionReference(ReadQuotedValue(p)));
     }},
    {"HELP",
     [](EditTag& t, TParser& p) {
         t.field.help = t.self.definitionReference(ReadQuotedValue(p));
     }},
    {"TIP",
     [](EditTag& t, TParser& p) {
         t.field.tip = t.self.definitionReference(ReadQuotedValue(p));
     }},
    {"REACTION",
     [](EditTag& t, TParser& p) {
         t.field.reaction = ReadQuotedValue(p);
     }},
    {"COLOR",
     [](EditTag& t, TParser& p) {
         t.field.color = t.self.readColor(p);
     }},
    {"NOBORDER",
     [](EditTag& t, TParser&) {
         t.field.border = false;
     }},
};

void PageParser::tagEdit(TParser& parser) {
    parser.setStrict(false);
    EditTag tag(*this);
    ReadAttributes(parser, EditTag::attributes, tag);
    if (tag.placed) {
        tag.field.format = format_;
        page_.typingFields.push_back(std::move(tag.field));
    }
}

struct PageParser::CheckBoxTag {
    static const AttributeRule<CheckBoxTag> attributes[];

    explicit CheckBoxTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    TCheckBox box;
    bool checked = false;
};

const AttributeRule<PageParser::CheckBoxTag> PageParser::CheckBoxTag::attributes[] = {
    {"COORDS", // the side of the square and the space after it
     [](CheckBoxTag& t, TParser& p) {
         const std::vector<int> numbers = ParseNumberList(ReadPlainValue(p), 2);
         if (numbers[0] > 0)
             t.self.format_.checkBoxSize = numbers[0];
         if (numbers[1] >= 0)
             t.self.format_.checkBoxGap = numbers[1];
     }},
    {"FLASH",
     [](CheckBoxTag& t, TParser& p) {
         t.box.flashColor = t.self.readColor(p);
     }},
    {"NAME",
     [](CheckBoxTag& t, TParser& p) {
         t.box.name = ReadQuotedValue(p);
     }},
    {"CHECKED",
     [](CheckBoxTag& t, TParser&) {
         t.checked = true;
     }},
};

void PageParser::tagCheckBox(TParser& parser) {
    parser.setStrict(false);
    CheckBoxTag tag(*this);
    ReadAttributes(parser, CheckBoxTag::attributes, tag);
    TCheckBox& box = tag.box;
    box.checked = tag.checked || model_.HasCondition(box.name);
    box.width = format_.checkBoxSize;
    box.height = format_.checkBoxSize;
    format_.checkBoxIndex = static_cast<int>(page_.checkBoxes.size());
    page_.checkBoxes.push_back(box);
    addItem(ItemKind::CheckBox, box.name, format_);
    format_.checkBoxIndex = -1;
}

struct PageParser::InputTag {
    static const AttributeRule<InputTag> attributes[];

    explicit InputTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    LineEditSpec edit;
    std::string value;
    bool placed = false;
};

const AttributeRule<PageParser::InputTag> PageParser::InputTag::attributes[] = {
    {"COORDS",
     [](InputTag& t, TParser& p) {
         t.edit.rect = t.self.readCoordinates(p);
         t.placed = true;
     }},
    {"NAME",
     [](InputTag& t, TParser& p) {
         t.edit.name = ReadQuotedValue(p);
     }},
    {"VALUE",
     [](InputTag& t, TParser& p) {
         t.value = ReadQuotedValue(p);
     }},
    {"COLOR",
     [](InputTag& t, TParser& p) {
         t.edit.color = t.self.readColor(p);
     }},
    {"NOBORDER",
     [](InputTag& t, TParser&) {
         t.edit.border = false;
     }},
};

void PageParser::tagInput(TParser& parser) {
    parser.setStrict(false);
    InputTag tag(*this);
    ReadAttributes(parser, InputTag::attributes, tag);
    // An empty VALUE leaves the definition to show what it holds.
    if (!tag.value.empty() && !tag.edit.name.empty())
        model_.SetDefine(tag.edit.name, tag.value);
    if (!tag.placed)
        return;
    tag.edit.format = format_;
    page_.lineEdit = std::move(tag.edit);
}

struct PageParser::RecorderTag {
    static const AttributeRule<RecorderTag> attributes[];

    explicit RecorderTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    RecorderSpec recorder;
};

const AttributeRule<PageParser::RecorderTag> PageParser::RecorderTag::attributes[] = {
    {"C-REC",
     [](RecorderTag& t, TParser& p) {
         t.recorder.recordButton = t.self.readCoordinates(p);
     }},
    {"C-PLAY",
     [](RecorderTag& t, TParser& p) {
         t.recorder.playButton = t.self.readCoordinates(p);
     }},
    {"PICTURES",
     [](RecorderTag& t, TParser& p) {
         const std::string file = ReadQuotedValue(p);
         t.recorder.pictures = file.empty() ? file : t.self.model_.currentDirectory() + file;
     }},
    {"COLOR",
     [](RecorderTag& t, TParser& p) {
         t.recorder.color = t.self.readColor(p);
     }},
    {"MAX",
     [](RecorderTag& t, TParser& p) {
         t.recorder.maxSeconds = ReadNumberValue(p, 2, 20, 4);
     }},
};

void PageParser::tagRecorder(TParser& parser) {
    parser.setStrict(false);
    RecorderTag tag(*this);
    ReadAttributes(parser, RecorderTag::attributes, tag);
    page_.recorder = std::move(tag.recorder);
}

struct PageParser::SentenceTag {
    static const AttributeRule<SentenceTag> attributes[];

    explicit SentenceTag(PageParser& parser) : self(parser) {}

    PageParser& self;
    SentenceExerciseSpec sentence;
    std::string parts;
};

const AttributeRule<PageParser::SentenceTag> PageParser::SentenceTag::attributes[] = {
    {"TEILE",
     [](SentenceTag& t, TParser& p) {
         t.parts = ReadQuotedValue(p);
     }},
    {"COORDS",
     [](SentenceTag& t, TParser& p) {
         t.sentence.rect = t.self.readCoordinates(p);
     }},
};

void PageParser::tagSentence(TParser& parser) {
    parser.setStrict(false);
    SentenceTag tag(*this);
    ReadAttributes(parser, SentenceTag::attributes, tag);
    SentenceExerciseSpec& sentence = tag.sentence;
    sentence.parts = nonEmptyPieces(tag.parts, "/");
    if (sentence.parts.empty() || sentence.rect.x <= 0)
        return;
    for (const std::string& part : sentence.parts)
        sentence.solution += part;
    sentence.format = format_;
    page_.sentences.push_back(std::move(sentence));
}

} // namespace qor

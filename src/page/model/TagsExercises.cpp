// Exercise objects and controls: the drag exercise's settings (<KLOTZ>),
// multiple choice, typing fields, check boxes, the one-line edit, the
// recorder and sentence building.

#include "page/model/Attributes.h"
#include "page/model/PageMessages.h"
#include "page/model/PageParser.h"

#include <utility>

namespace qor {

namespace {

std::vector<std::string> nonEmptyPieces(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces = SplitText(text, separator);
    std::erase(pieces, std::string());
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

void PageParser::tagKlotz(TParser& parser) {
    parser.setStrict(false);
    DragExerciseSettings& drag = page_.drag;
    while (const int keyword = parser.Keyword({"FALSCH", "Y", "NR", "LEFT", "RIGHT", "WIDTH"})) {
        const int rest = model_.pageWidth() - std::max(drag.trayLeft, 0);
        switch (keyword) {
        case 1:
            drag.distractors = nonEmptyPieces(ReadQuotedValue(parser), "/");
            break;
        case 2:
            drag.trayTop = ReadNumberValue(parser, 0, 1000, 350);
            break;
        case 3:
            drag.columns = ReadNumberValue(parser, 0, 100, 4);
            if (drag.columns >= 4 && drag.columns <= 6)
                drag.blockWidth = 120 - 20 * (drag.columns - 4);
            break;
        case 4:
            drag.trayLeft = ReadNumberValue(parser, 0, 1000, 80);
            break;
        case 5:
            drag.trayRight = ReadNumberValue(parser, 0, 1000, rest);
            break;
        default:
            drag.blockWidth = ReadNumberValue(parser, 0, 1000, rest);
            break;
        }
    }
}

void PageParser::tagMultiple(TParser& parser) {
    parser.setStrict(false);
    MultipleChoiceSpec choice;
    choice.activeColor = page_.colors.choiceActive;
    choice.inactiveColor = page_.colors.choiceInactive;
    choice.highlightColor = page_.colors.choiceActive;
    bool placed = false;
    while (const int keyword = parser.Keyword({"COORDS", "DIM", "COLOR", "TXT", "REACTION"})) {
        switch (keyword) {
        case 1: {
            std::string value = ReadPlainValue(parser);
            if (!value.empty() && value.front() == '#')
                value = page_.aliases.get(value);
            choice.rect = ParseCoordinates(value, model_.pageWidth(), model_.pageHeight());
            placed = true;
            break;
        }
        case 2: { // DIM=rows,columns
            parser.Expect("=");
            std::string rows;
            if (parser.ReadUntil(",", rows)) {
                choice.rows = gridSize(rows);
                choice.columns = gridSize(readUntilBlank(parser));
            }
            break;
        }
        case 3: { // COLOR=inactive,active
            parser.Expect("=");
            std::string inactive;
            if (parser.ReadUntil(",", inactive)) {
                const RandomSource& random = model_.randomSource();
                choice.inactiveColor = ParseColorValue(inactive, page_.colorNames, random);
                choice.activeColor =
                    ParseColorValue(readUntilBlank(parser), page_.colorNames, random);
            }
            break;
        }
        case 4:
            choice.items = SplitText(ReadQuotedValue(parser), "|");
            break;
        default:
            choice.reaction = ReadPlainValue(parser);
            break;
        }
    }
    if (!placed)
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

void PageParser::tagEdit(TParser& parser) {
    parser.setStrict(false);
    TypingFieldSpec field;
    bool placed = false;
    while (const int keyword =
               parser.Keyword({"COORDS", "LSG", "HELP", "TIP", "REACTION", "COLOR", "NOBORDER"})) {
        switch (keyword) {
        case 1:
            field.rect = readCoordinates(parser);
            placed = true;
            break;
        case 2:
            field.solutions = nonEmptyPieces(definitionReference(ReadQuotedValue(parser)), ";");
            break;
        case 3:
            field.help = definitionReference(ReadQuotedValue(parser));
            break;
        case 4:
            field.tip = definitionReference(ReadQuotedValue(parser));
            break;
        case 5:
            field.reaction = ReadQuotedValue(parser);
            break;
        case 6:
            field.color = readColor(parser);
            break;
        default:
            field.border = false;
            break;
        }
    }
    if (placed)
        page_.typingFields.push_back(std::move(field));
}

void PageParser::tagCheckBox(TParser& parser) {
    parser.setStrict(false);
    TCheckBox box;
    bool checked = false;
    while (const int keyword = parser.Keyword({"COORDS", "FLASH", "NAME", "CHECKED"})) {
        switch (keyword) {
        case 1: { // the side of the square and the space after it
            const std::vector<int> numbers = ParseNumberList(ReadPlainValue(parser), 2);
            if (numbers[0] > 0)
                format_.checkBoxSize = numbers[0];
            if (numbers[1] >= 0)
                format_.checkBoxGap = numbers[1];
            break;
        }
        case 2:
            box.flashColor = readColor(parser);
            break;
        case 3:
            box.name = ReadQuotedValue(parser);
            break;
        default:
            checked = true;
            break;
        }
    }
    box.checked = checked || model_.HasCondition(box.name);
    box.width = format_.checkBoxSize;
    box.height = format_.checkBoxSize;
    format_.checkBoxIndex = static_cast<int>(page_.checkBoxes.size());
    page_.checkBoxes.push_back(box);
    addItem(ItemKind::CheckBox, box.name, format_);
    format_.checkBoxIndex = -1;
}

void PageParser::tagInput(TParser& parser) {
    parser.setStrict(false);
    LineEditSpec edit;
    std::string value;
    bool placed = false;
    while (const int keyword = parser.Keyword({"COORDS", "NAME", "VALUE", "COLOR", "NOBORDER"})) {
        switch (keyword) {
        case 1:
            edit.rect = readCoordinates(parser);
            placed = true;
            break;
        case 2:
            edit.name = ReadQuotedValue(parser);
            break;
        case 3:
            value = ReadQuotedValue(parser);
            break;
        case 4:
            edit.color = readColor(parser);
            break;
        default:
            edit.border = false;
            break;
        }
    }
    // An empty VALUE leaves the definition to show what it holds.
    if (!value.empty() && !edit.name.empty())
        model_.SetDefine(edit.name, value);
    if (!placed)
        return;
    edit.format = format_;
    page_.lineEdit = std::move(edit);
}

void PageParser::tagRecorder(TParser& parser) {
    parser.setStrict(false);
    RecorderSpec recorder;
    while (const int keyword = parser.Keyword({"C-REC", "C-PLAY", "PICTURES", "COLOR", "MAX"})) {
        switch (keyword) {
        case 1:
            recorder.recordButton = readCoordinates(parser);
            break;
        case 2:
            recorder.playButton = readCoordinates(parser);
            break;
        case 3: {
            const std::string file = ReadQuotedValue(parser);
            recorder.pictures = file.empty() ? file : model_.currentDirectory() + file;
            break;
        }
        case 4:
            recorder.color = readColor(parser);
            break;
        default:
            recorder.maxSeconds = ReadNumberValue(parser, 2, 20, 4);
            break;
        }
    }
    page_.recorder = std::move(recorder);
}

void PageParser::tagSentence(TParser& parser) {
    parser.setStrict(false);
    SentenceExerciseSpec sentence;
    std::string parts;
    while (const int keyword = parser.Keyword({"TEILE", "COORDS"})) {
        if (keyword == 1)
            parts = ReadQuotedValue(parser);
        else
            sentence.rect = readCoordinates(parser);
    }
    sentence.parts = nonEmptyPieces(parts, "/");
    if (sentence.parts.empty() || sentence.rect.x <= 0)
        return;
    for (const std::string& part : sentence.parts)
        sentence.solution += part;
    sentence.format = format_;
    page_.sentences.push_back(std::move(sentence));
}

} // namespace qor

// Which handler a tag runs. Tags are tried in this order and the first that
// matches decides; only X..., H..., /H... and +... match by their beginning.

#include "page/model/PageParser.h"

namespace qor {

const PageParser::TagRule* PageParser::findRule(std::string_view name) {
    using P = PageParser;
    static const TagRule rules[] = {
        {"/IF", false, &P::tagEndIf},
        {"ELSE", false, &P::tagElse},
        {"/TITLE", false, &P::tagEndTitle},
        {"HTML", false, &P::tagIgnore},
        {"/HTML", false, &P::tagIgnore},
        {"TITLE", false, &P::tagTitle},
        {"IF", false, &P::tagIf},
        {"MAP", false, &P::tagMap},
        {"AREA", false, &P::tagArea},
        {"/MAP", false, &P::tagIgnore},
        {"KLOTZ", false, &P::tagKlotz},
        {"INV", false, &P::tagInverse},
        {"/INV", false, &P::tagInverseEnd},
        {"CLEAR", false, &P::tagClearBackground},
        {"B", false, &P::tagBold},
        {"STRONG", false, &P::tagBold},
        {"/B", false, &P::tagBoldEnd},
        {"/STRONG", false, &P::tagBoldEnd},
        {"I", false, &P::tagItalic},
        {"CITE", false, &P::tagItalic},
        {"/I", false, &P::tagItalicEnd},
        {"/CITE", false, &P::tagItalicEnd},
        {"U", false, &P::tagUnderline},
        {"/U", false, &P::tagUnderlineEnd},
        {"EM", false, &P::tagEmphasis},
        {"/EM", false, &P::tagEmphasisEnd},
        {"HR", false, &P::tagIgnore}, // its SIZE has no visible effect
        {"X", true, &P::tagTab},
        {"BOX", false, &P::tagBox},
        {"ELLIPSE", false, &P::tagEllipse},
        {"H", true, &P::tagHeading},
        {"/H", true, &P::tagHeadingEnd},
        {"P", false, &P::tagParagraph},
        {"/P", false, &P::tagIgnore},
        {"BR", false, &P::tagLineBreak},
        {"A", false, &P::tagLink},
        {"/A", false, &P::tagLinkEnd},
        {"TT", false, &P::tagTeletype},
        {"/TT", false, &P::tagTeletypeEnd},
        {"FONT", false, &P::tagFont},
        {"/FONT", false, &P::tagFontEnd},
        {"W", false, &P::tagRandomOffset},
        {"/W", false, &P::tagRandomOffsetEnd},
        {"PRE", false, &P::tagPre},
        {"/PRE", false, &P::tagPreEnd},
        {"IMG", false, &P::tagImage},
        {"BODY", false, &P::tagBody},
        {"CENTER", false, &P::tagCenter},
        {"/CENTER", false, &P::tagCenterEnd},
        {"BUTTON", false, &P::tagButton},
        {"MULTIPLE", false, &P::tagMultiple},
        {"EDIT", false, &P::tagEdit},
        {"INCLUDE", false, &P::tagInclude},
        {"ALIAS", false, &P::tagAlias},
        {"DEFINE", false, &P::tagDefine},
        {"COLORS", false, &P::tagColors},
        {"BLOCK", false, &P::tagBlock},
        {"RIGHT", false, &P::tagRight},
        {"ONCLICK", false, &P::tagOnClick},
        {"CHECKBOX", false, &P::tagCheckBox},
        {"INPUT", false, &P::tagInput},
        {"RECORDER", false, &P::tagRecorder},
        {"+", true, &P::tagStyle},
        {"SATZ", false, &P::tagSentence},
    };
    for (const TagRule& rule : rules) {
        if (rule.prefix ? name.substr(0, rule.name.size()) == rule.name : name == rule.name)
            return &rule;
    }
    return nullptr;
}

} // namespace qor

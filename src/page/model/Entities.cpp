#include "page/model/Entities.h"

#include <array>

namespace qor {

namespace {

// The HTML 4 names of the characters 160 to 255, in code order.
constexpr std::array<std::string_view, 96> Latin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

std::string entityCharacter(std::string_view name) {
    if (name == "amp")
        return "&";
    if (name == "lt")
        return "<";
    if (name == "gt")
        return ">";
    if (name == "quot")
        return "\"";
    for (std::size_t i = 0; i < Latin1Names.size(); ++i) {
        if (Latin1Names[i] == name)
            return std::string(1, static_cast<char>(160 + i));
    }
    return {}; // "nil" and unknown names
}

} // namespace

std::string DecodeFirstEntity(std::string_view word) {
    const std::size_t ampersand = word.find('&');
    if (ampersand == std::string_view::npos)
        return std::string(word);
    const std::size_t semicolon = word.find(';', ampersand + 1);
    const std::size_t nameEnd = semicolon == std::string_view::npos ? word.size() : semicolon;
    std::string result(word.substr(0, ampersand));
    result += entityCharacter(word.substr(ampersand + 1, nameEnd - ampersand - 1));
    if (semicolon != std::string_view::npos)
        result += word.substr(semicolon + 1);
    return result;
}

} // namespace qor

// Page variables and included files: <DEFINE>, <ALIAS>, <COLORS>, <INCLUDE>.

#include "page/model/Attributes.h"
#include "page/model/PageMessages.h"
#include "page/model/PageParser.h"
#include "platform/FileSystem.h"

#include <utility>
#include <vector>

namespace qor {

namespace {

struct Definition {
    std::string name;
    std::string value;
};

// marker name="value" pairs. A value starting with "{" carries markup:
// { and } stand for < and >, single quotes for double quotes.
std::vector<Definition> readDefinitions(TParser& parser, char marker) {
    parser.setStrict(false);
    std::vector<Definition> definitions;
    std::string passedOver;
    while (parser.ReadUntil(std::string(1, marker), passedOver)) {
        std::string name;
        std::string value;
        if (!parser.ReadUntil("=", name) || !parser.Expect("\"") || !parser.ReadUntil("\"", value))
            break;
        if (!value.empty() && value.front() == '{') {
            for (char& c : value) {
                if (c == '\'')
                    c = '"';
                else if (c == '{')
                    c = '<';
                else if (c == '}')
                    c = '>';
            }
        }
        definitions.push_back({std::string(TrimBlanks(name)), std::move(value)});
    }
    return definitions;
}

// Leaves the include depth as it was on every way out.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

} // namespace

void PageParser::tagDefine(TParser& parser) {
    for (const Definition& definition : readDefinitions(parser, '$')) {
        if (!definition.name.empty())
            model_.SetDefine(definition.name, definition.value);
    }
}

void PageParser::tagAlias(TParser& parser) {
    for (const Definition& definition : readDefinitions(parser, '#')) {
        if (definition.name.empty())
            continue;
        std::string value = definition.value;
        if (!value.empty() && value.front() == '!')
            value = model_.ResolvePageStep(value);
        page_.aliases.set("#" + definition.name, value);
    }
}

// name=value pairs separated by blanks.
void PageParser::tagColors(TParser& parser) {
    parser.setStrict(false);
    for (;;) {
        std::string name;
        std::string value;
        if (!parser.ReadUntil("=", name))
            return;
        const bool last = !parser.ReadUntil(" ", value);
        if (last)
            value = parser.Rest();
        const std::string_view trimmedName = TrimBlanks(name);
        if (!trimmedName.empty())
            page_.colorNames.set(trimmedName, TrimBlanks(value));
        if (last)
            return;
    }
}

// The file is parsed in place and continues the current format.
void PageParser::tagInclude(TParser& parser) {
    std::string href;
    try {
        parser.Expect("HREF");
        href = ReadQuotedValue(parser);
    } catch (const EParseError&) {
        ShowPageInformation("Fehler bei INCLUDE <2>!!!");
        return;
    }
    std::string path = model_.ExpandFileName(href);
    if (!path.empty() && path.front() == '*')
        path.erase(0, 1);
    if (!fileExists(path)) {
        ShowPageError("INCLUDE-Datei wurde nicht gefunden " + path + "!!!");
        return;
    }
    if (model_.includeDepth_ >= PageModel::MaxIncludeDepth || model_.includesLeft_ <= 0) {
        // One message a page, however many branches reach the limit.
        if (!std::exchange(model_.includeRefusalShown_, true))
            ShowPageInformation("Fehler bei INCLUDE!!!");
        return;
    }
    --model_.includesLeft_;
    const DepthGuard depth(model_.includeDepth_);
    try {
        const std::optional<std::string> text = model_.loadPageText(path);
        if (!text) {
            ShowPageInformation("Fehler bei INCLUDE!!!");
            return;
        }
        model_.Parse(*text, true);
    } catch (const std::exception&) {
        ShowPageInformation("Fehler bei INCLUDE!!!");
    }
}

} // namespace qor

#pragma once
// "qor-page dump": the parsed model of a page as readable text, one fact a
// line, in an order that stays the same from run to run (random choices of
// the markup take their first option). Program text is shown as UTF-8.

#include <string>
#include <vector>

namespace qor {

class PageModel;

namespace pagetool {

// Conditions and definitions to set before parsing, as the host would.
struct DumpOptions {
    std::vector<std::string> conditions;
    std::vector<std::string> definitions; // "name=value"
};

// The items and side tables of the model, its title, definitions, aliases,
// colour names, styles and conditions.
std::string dumpModel(const PageModel& model);

// Parses a page file (every exercise of an exercise file in turn) and
// dumps it, with the messages shown on the way and the special codes the
// page asked the host for. False when the file could not be read.
bool dumpPageFile(const std::string& path, const DumpOptions& options, std::string& out);

} // namespace pagetool
} // namespace qor

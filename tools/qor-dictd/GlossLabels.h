#pragma once
// The labels at the start of a line that explains a sense in the headword's
// language: "Medizin: eine Entzündung ...", "umgangssprachlich, abwertend: ...".
// Subjects are kept as they are, register and region words in the short
// form the dictionaries use elsewhere ("ugs.", "fig.").

#include <string>
#include <string_view>
#include <vector>

namespace qor::dictd {

// UTF-8; nothing when the line starts with no such label.
std::vector<std::string> glossLabels(std::string_view line);

} // namespace qor::dictd

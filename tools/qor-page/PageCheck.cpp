#include "qor-page/PageCheck.h"

#include "page/model/ExpectedPages.h"
#include "platform/Text.h"

namespace qor::pagetool {

int checkTree(const std::string& pageDir, std::ostream& out) {
    const PageTreeReport report = checkPageTree(pageDir);
    for (const std::string& page : report.missingPages)
        out << "missing page: " << cp1252ToUtf8(page) << "\n";
    for (const PageTreeReport::Problem& problem : report.problems) {
        for (const std::string& message : problem.messages)
            out << "page does not parse cleanly: " << cp1252ToUtf8(problem.page) << ": "
                << cp1252ToUtf8(message) << "\n";
    }
    for (const std::string& picture : report.missingPictures)
        out << "missing picture: " << cp1252ToUtf8(picture) << "\n";
    for (const std::string& style : report.undefinedStyles)
        out << "style defined by no page: " << style << "\n";

    out << report.pagesChecked << " pages checked: " << report.problems.size() << " with problems, "
        << report.missingPages.size() << " expected pages missing, "
        << report.missingPictures.size() << " pictures missing, " << report.undefinedStyles.size()
        << " styles undefined\n";
    return report.problems.empty() ? 0 : 1;
}

} // namespace qor::pagetool

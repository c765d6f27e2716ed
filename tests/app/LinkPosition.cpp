// qor-link-position: where a link of a page lies when the program shows it,
// so that the end-to-end test can click it as a user would.
//
//   qor-link-position [--condition NAME]... [--define NAME=VALUE]... PAGE TARGET
//
// Loads PAGE (a page file; its folder is the page folder) into a page
// control of the main window's size and prints the centre of the first
// interactive area whose name is TARGET (UTF-8, e.g. "§end"), as "x y" in
// the control's coordinates. Conditions and page variables stand for what the
// program's host would answer ("login", "user=Marta"). Exit status 1 when the
// page has no such link.

#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qor::ScriptedMessages messages; // a page message must not wait for a click
    qor::TXPage page;
    page.resize(800, 572);
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--condition" && hasValue) {
            page.SetCondition(qor::utf8ToCp1252(argv[++i]), true);
        } else if (argument == "--define" && hasValue) {
            const std::string definition = qor::utf8ToCp1252(argv[++i]);
            const std::size_t equals = definition.find('=');
            page.SetDefine(definition.substr(0, equals),
                           equals == std::string::npos ? "" : definition.substr(equals + 1));
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) {
        std::fputs("Usage: qor-link-position [--condition NAME]... [--define NAME=VALUE]... PAGE "
                   "TARGET\n",
                   stderr);
        return 2;
    }

    const std::string path = qor::fromNativePath(positional[0]).value_or("");
    if (!page.setXFile(path)) {
        std::fprintf(stderr, "qor-link-position: cannot show %s\n", positional[0].c_str());
        return 2;
    }
    const std::string target = qor::utf8ToCp1252(positional[1]);
    for (const qor::NamedRectangle& area : page.areas().entries()) {
        if (page.areas().name(area.nameIndex) != target)
            continue;
        const qor::PixelRect& rect = area.rect;
        std::printf("%d %d\n", (rect.left + rect.right) / 2,
                    (rect.top + rect.bottom) / 2 - page.scrollPosition());
        return 0;
    }
    std::fprintf(stderr, "qor-link-position: no link to %s on %s\n", positional[1].c_str(),
                 positional[0].c_str());
    return 1;
}

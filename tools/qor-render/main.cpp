// qor-render: draws a page file headless into a PNG with the program's own
// page control, for page authors and tests.
//
//   qor-render [--size 800x572] [--define NAME=VALUE]... [--condition NAME]...
//              [--page-dir DIR] PAGE OUT.png

#include "page/exercises/PageExercises.h"
#include "page/model/PageStream.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScrollBar>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    R"(Usage: qor-render [--size 800x572] [--define NAME=VALUE]... [--condition NAME]...
                  [--page-dir DIR] PAGE OUT.png

Draws PAGE (a page file, or page text from standard input when PAGE is "-")
as the program shows it and writes the whole page buffer as a PNG picture:
the size's width and at least its height, more for a longer page.

--size        the page control's size in pixels (800x572, the main window)
--define      sets the page variable NAME ($[NAME] in the page)
--condition   sets the condition NAME (<IF NAME> in the page)
--page-dir    the folder in which the page's relative file names are found
              (default: the page file's folder, or the current folder)

Messages the page would show (a missing picture, an included file that is
not there) are written to standard error.
)";

struct Options {
    int width = 800;
    int height = 572;
    std::vector<std::pair<std::string, std::string>> definitions;
    std::vector<std::string> conditions;
    std::optional<std::string> pageDir;
    std::string page;
    std::string output;
};

int usage() {
    std::cerr << Usage;
    return 2;
}

std::optional<std::string> programText(const std::string& argument) {
    return qor::utf8ToCp1252Exact(argument);
}

bool parseSize(const std::string& text, Options& options) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    try {
        options.width = std::stoi(text.substr(0, x));
        options.height = std::stoi(text.substr(x + 1));
    } catch (const std::exception&) {
        return false;
    }
    return options.width > 0 && options.height > 0 && options.width <= 10000 &&
           options.height <= 10000;
}

std::optional<Options> parseArguments(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--size" && hasValue) {
            if (!parseSize(args[++i], options))
                return std::nullopt;
        } else if (arg == "--define" && hasValue) {
            const auto text = programText(args[++i]);
            const std::size_t equals = text ? text->find('=') : std::string::npos;
            if (equals == std::string::npos || equals == 0)
                return std::nullopt;
            options.definitions.emplace_back(text->substr(0, equals), text->substr(equals + 1));
        } else if (arg == "--condition" && hasValue) {
            const auto text = programText(args[++i]);
            if (!text)
                return std::nullopt;
            options.conditions.push_back(*text);
        } else if (arg == "--page-dir" && hasValue) {
            const auto dir = qor::fromNativePath(args[++i]);
            if (!dir)
                return std::nullopt;
            options.pageDir = qor::includeTrailingSeparator(*dir);
        } else if (arg != "-" && arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    options.page = positional[0];
    options.output = positional[1];
    return options;
}

std::string currentDirectory() {
    return qor::includeTrailingSeparator(
        qor::fromNativePath(QDir::currentPath().toStdString()).value_or(""));
}

// The page buffer with the page's controls (typing fields, multiple choice,
// buttons) drawn where they sit, as the screen shows them; the scroll bar
// is left out.
QImage withControls(qor::TXPage& page) {
    QImage picture = page.buffer().copy();
    QPainter painter(&picture);
    for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || qobject_cast<QScrollBar*>(child))
            continue;
        child->render(&painter, child->pos() + QPoint(0, page.scrollPosition()), QRegion(),
                      QWidget::DrawChildren);
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<Options> options = parseArguments(args);
    if (!options)
        return usage();

    qor::ScriptedMessages messages;
    qor::TXPage page;
    qor::PageExercises exercises(page);
    page.resize(options->width, options->height);
    for (const auto& [name, value] : options->definitions)
        page.model().SetDefine(name, value);
    for (const std::string& condition : options->conditions)
        page.model().SetCondition(condition, true);

    std::string text;
    if (options->page == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        page.model().setCurrentPage(options->pageDir.value_or(currentDirectory()), "");
    } else {
        const auto path = qor::fromNativePath(options->page);
        if (!path) {
            std::cerr << "qor-render: the file name cannot be written in Windows-1252\n";
            return 2;
        }
        const std::string fullPath =
            qor::isAbsolutePath(*path) ? *path : currentDirectory() + *path;
        qor::THTMLStream stream;
        if (!qor::ReadPage(fullPath, stream)) {
            for (const std::string& message : messages.texts())
                std::cerr << qor::cp1252ToUtf8(message) << '\n';
            return 1;
        }
        text = stream.bytes();
        page.model().setCurrentPage(options->pageDir.value_or(qor::extractFileDir(fullPath)),
                                    qor::extractFileName(fullPath));
    }

    page.ShowText(text);
    for (const std::string& message : messages.texts())
        std::cerr << qor::cp1252ToUtf8(message) << '\n';
    if (!withControls(page).save(QString::fromStdString(options->output), "PNG")) {
        std::cerr << "qor-render: cannot write " << options->output << '\n';
        return 1;
    }
    return 0;
}

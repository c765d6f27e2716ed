#include "page/model/ExpectedPages.h"

#include "page/model/ExerciseFile.h"
#include "page/model/PageModel.h"
#include "page/model/PageStream.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <algorithm>
#include <memory>

namespace qor {

using namespace qor::literals;

const char* const SuperDDFolder = "SuperDD/";

const std::vector<std::string>& expectedPageFiles() {
    static const std::vector<std::string> pages = {
        // main window and its menus
        "main.htx",
        "vokabeln.htx",
        "v_bereich.htx",
        "v_schwer.htx",
        // training rounds and their evaluation
        "va_mch.htx",
        "va_ein.htx",
        "va_kontext.htx",
        "va_richtig.htx",
        "va_falsch1.htx",
        "va_falsch2.htx",
        "v_auswertung.htx",
        "voc_opt1.htx",
        // verb trainer
        "verben.htx",
        "verbtafel.htx",
        "verbliste.htx",
        "verb_mch.htx",
        "verb_ein.htx",
        "verb_richtig.htx",
        // language lab
        "labor.htx",
        "laborliste.htx",
        "laborergebnis.htx",
        // bingo
        "vegas/intro.htx",
        "vegas/start.htx",
        "vegas/again.htx",
        // dictionary search, first-login wizard, the editor's import
        "wörterbuch.htx"_cp,
        "_wizard1.htx",
        "_wizard2.htx",
        "_import.htx",
    };
    return pages;
}

const std::vector<std::string>& runtimeStyles() {
    static const std::vector<std::string> styles = {
        "NORMAL", "KOMMENTAR", "VOK", "BED", "ZEIT", "IRR", "REG",
    };
    return styles;
}

std::vector<std::string> missingPages(std::string_view pageDir) {
    const std::string dir = includeTrailingSeparator(pageDir);
    std::vector<std::string> missing;
    for (const std::string& page : expectedPageFiles()) {
        if (!fileExists(dir + page))
            missing.push_back(page);
    }
    const std::vector<DirectoryEntry> backgrounds = listDirectory(dir + SuperDDFolder);
    const bool hasBackground =
        std::any_of(backgrounds.begin(), backgrounds.end(), [](const DirectoryEntry& entry) {
            return !entry.isDirectory && extractFileExt(entry.name) == ".htx";
        });
    if (!hasBackground)
        missing.push_back(std::string(SuperDDFolder) + "*.htx");
    return missing;
}

bool isPageFileName(std::string_view name) {
    static const std::vector<std::string> extensions = {
        ".htx", ".hqor", ".rqol", ".rqo", ".qor", ".html",
    };
    const std::string ext = extractFileExt(name);
    return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

namespace {

constexpr std::string_view StartPage = "main.htx";

// Deeper folders are not looked into: a link of a folder to one above it
// would lead round in circles.
constexpr int MaxFolderDepth = 16;

// Page files below dir, as paths relative to it, in name order.
void collectPages(const std::string& dir, const std::string& relative, int depth,
                  std::vector<std::string>& pages) {
    for (const DirectoryEntry& entry : listDirectory(dir + relative)) {
        if (!entry.isDirectory) {
            if (isPageFileName(entry.name))
                pages.push_back(relative + entry.name);
        } else if (depth < MaxFolderDepth) {
            collectPages(dir, relative + entry.name + "/", depth + 1, pages);
        }
    }
}

void parsePage(PageModel& model, const std::string& path) {
    if (pageFileKind(path) != PageFileKind::Exercise) {
        THTMLStream stream;
        if (ReadPage(path, stream))
            model.Parse(stream.bytes(), false);
        return;
    }
    const std::optional<ExerciseFile> file = ExerciseFile::load(path);
    if (!file)
        return;
    if (file->exercises().empty()) {
        ExerciseRun run;
        run.start(*file);
        run.next(); // says that there are none
    }
    for (std::size_t i = 0; i < file->exercises().size(); ++i)
        ParseExercise(model, *file, ExerciseChoice{i, "ex"});
}

} // namespace

PageTreeReport checkPageTree(std::string_view pageDir) {
    const std::string dir = includeTrailingSeparator(pageDir);
    PageTreeReport report;
    report.missingPages = missingPages(dir);

    std::vector<std::string> pages;
    collectPages(dir, "", 0, pages);
    const auto start = std::find(pages.begin(), pages.end(), StartPage);
    if (start != pages.end())
        std::rotate(pages.begin(), start, start + 1);

    ScriptedMessages messages;
    PageModel model;
    std::string page;
    std::vector<std::string> tagErrors;
    model.OnTagError = [&](const std::string& tag, const std::string& message) {
        tagErrors.push_back("<" + tag + ">: " + message);
    };
    model.setPictureLoader([&](const TXPicture& picture) -> std::shared_ptr<PictureImage> {
        if (picture.origin == TXPicture::Origin::File && !fileExists(picture.name)) {
            report.missingPictures.push_back(page + ": " + picture.name);
            return nullptr;
        }
        return std::make_shared<PictureImage>();
    });

    for (const std::string& relative : pages) {
        page = relative;
        const std::string path = dir + relative;
        model.Clear();
        model.setCurrentPage(extractFileDir(path), extractFileName(path));
        messages.clear();
        tagErrors.clear();
        parsePage(model, path);
        ++report.pagesChecked;
        std::vector<std::string> found = messages.texts();
        found.insert(found.end(), tagErrors.begin(), tagErrors.end());
        if (!found.empty())
            report.problems.push_back({relative, std::move(found)});
    }

    for (const std::string& style : runtimeStyles()) {
        if (!model.styles().find(style))
            report.undefinedStyles.push_back(style);
    }
    return report;
}

} // namespace qor

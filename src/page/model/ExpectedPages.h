#pragma once
// The page files the program expects in its page folder ("hqor/"): the pages
// it loads by name and the styles its run-time text applies. The pages are
// data delivered beside the program; this list is what a page tree must
// provide, and what "qor-page check" holds a tree against.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Page files the program loads by name, relative to the page folder.
const std::vector<std::string>& expectedPageFiles();

// A folder that must hold at least one ".htx" page: the backgrounds of the
// superlearning mode DD.
extern const char* const SuperDDFolder; // "SuperDD/"

// The styles text built at run time applies ("<+normal>" ...): some page
// loaded earlier has to define each with <FONT ... ID=NAME>.
const std::vector<std::string>& runtimeStyles();

// The expected pages missing under pageDir, in the order of the list; an
// empty or missing SuperDD folder is reported as "SuperDD/*.htx".
std::vector<std::string> missingPages(std::string_view pageDir);

// True for the file names the page engine loads as pages (packed, plain
// and exercise pages).
bool isPageFileName(std::string_view name);

// What a check of a page tree found.
struct PageTreeReport {
    struct Problem {
        std::string page;                  // relative to the page folder
        std::vector<std::string> messages; // shown while reading or parsing it, and unreadable tags
    };

    std::vector<std::string> missingPages;    // see missingPages()
    std::vector<Problem> problems;            // pages that do not parse cleanly
    std::vector<std::string> missingPictures; // "page: picture path"
    std::vector<std::string> undefinedStyles; // run-time styles no page defines
    int pagesChecked = 0;
};

// Parses every page of the tree below pageDir as the program would: one
// page model for all, the start page "main.htx" first (it defines the
// styles the others rely on), then the rest in name order; every exercise
// of an exercise file on its own. A page has a problem when a message was
// shown while it was read or parsed.
PageTreeReport checkPageTree(std::string_view pageDir);

} // namespace qor

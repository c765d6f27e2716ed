#include "shell/ShellCommands.h"

#include <string_view>

namespace qor {

namespace {

void openUrl(ShellCommandHost& host, const char* scheme, std::string_view address) {
    host.openUrl(scheme + std::string(address));
}

void seekMedium(CommandPage& page, ShellCommandHost& host) {
    page.setPageCondition("cdrom", host.searchMedium());
    page.reloadPage();
}

} // namespace

// Each block: one row per line, so the formatter leaves the table alone.
// clang-format off
CommandBlock webAndSettingsCommands(CommandPage& page, ShellCommandHost& host) {
    return {
        {"www", CommandMatch::Exact, [&host](auto&, auto) { host.openHomePage(); }},
        {"www.", CommandMatch::StartsWith, [&host](auto&, auto address) { openUrl(host, "http://www.", address); }},
        {"http://", CommandMatch::StartsWith, [&host](auto&, auto address) { openUrl(host, "http://", address); }},
        {"seekcd", CommandMatch::Exact, [&page, &host](auto&, auto) { seekMedium(page, host); }},
        {"paths", CommandMatch::Exact, [&host](auto&, auto) { host.showPaths(); }},
    };
}

CommandBlock endCommands(ShellCommandHost& host) {
    return {
        {"end", CommandMatch::Exact, [&host](auto&, auto) { host.endProgram(); }},
    };
}
// clang-format on

} // namespace qor

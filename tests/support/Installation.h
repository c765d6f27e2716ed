#pragma once
// A complete installation in a temporary directory, as start-up expects it.

#include "support/TempDir.h"

namespace qor::test {

struct Installation {
    Installation() {
        dir.file("hqor/main.htx", "<TITLE>Start</TITLE>");
        dir.dir("Vokabeln (S)/Grundwortschatz");
        dir.file("s_d.qor", "");
        dir.file("d_s.qor", "");
        dir.file("s_w.qor", "");
        dir.file("editor/default.ed", "");
    }
    std::string programDir() const { return dir.path(); }
    std::string programPath() const { return dir.path() + "qor-spanisch"; }

    TempDir dir;
};

} // namespace qor::test

// Any bytes as a page file shown by the page control, as the program shows
// its pages: read (unpacked when packed), parsed with its INCLUDE files,
// laid out, broken into lines and drawn, with the exercise objects.
//
// Input: a set-up byte, then the page and up to eight further files split at
// zero bytes. The set-up byte chooses how the page is stored (plain, packed
// here, the bytes as a packed file as they are, or an exercise file) and the
// control's size. Each further file N is written as "N" and packed as
// "N.htx", so that <INCLUDE HREF="1.htx">, <IMG SRC="2"> and the like find it.

#include "FuzzFiles.h"
#include "QtFuzzing.h"
#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace qor;

namespace {

constexpr std::size_t MaxFiles = 8;

std::string directory;
std::vector<std::string> written;

std::vector<std::string_view> splitAtZero(std::string_view input) {
    std::vector<std::string_view> parts;
    while (parts.size() < MaxFiles + 1) {
        const std::size_t end = input.find('\0');
        parts.push_back(input.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        input.remove_prefix(end + 1);
    }
    return parts;
}

void write(const std::string& name, std::string_view bytes) {
    const std::string path = directory + name;
    fuzz::writeFile(path, bytes);
    written.push_back(path);
}

// Files of the input before cannot be found by this one.
void removeWritten() {
    for (const std::string& path : written)
        std::remove(path.c_str());
    written.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startQt<QApplication>(argc, argv);
    directory = fuzz::makeDirectory("fuzz-page-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned setup = data[0];
    const std::vector<std::string_view> parts =
        splitAtZero(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    removeWritten();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        write(std::to_string(i), parts[i]);
        write(std::to_string(i) + ".htx", deflateZlib(parts[i]));
    }
    std::string page;
    switch (setup % 4) {
    case 0:
        page = "seite.htm";
        write(page, parts[0]);
        break;
    case 1:
        page = "seite.htx";
        write(page, deflateZlib(parts[0]));
        break;
    case 2:
        page = "seite.htx";
        write(page, parts[0]);
        break;
    default:
        page = "seite.qor";
        write(page, parts[0]);
        break;
    }

    ScriptedMessages messages;
    auto control = std::make_unique<TXPage>();
    PageExercises exercises(*control);
    // Small, so that an input is drawn quickly; a long page still grows the
    // buffer downwards.
    control->resize(120 + static_cast<int>(setup / 4 % 4) * 100,
                    90 + static_cast<int>(setup / 16 % 4) * 60);
    control->SendMciCommand = [](const std::string&, bool) {
        return std::string();
    };
    control->PlayHoverSound = [](const std::string&) {
        return true;
    };
    control->OnCommand = [](const std::string&) {
    };
    control->setProgramDir(directory);
    control->SetDefine("user", "Ana");
    control->SetCondition("login", true);
    control->setXPath(directory);
    control->setAutoJump(false);
    control->setXFile(page);
    if (setup & 64)
        control->Scroll(control->scrollRange());
    if (setup & 128)
        control->NextExercise();
    return 0;
}

// qor-music: composes the calm background music of the superlearning
// presentation and writes it as MP3 files for the sample installation.
//
//   qor-music FILE...
//
// The name of each file chooses the piece (Repertoire.cpp; a wrong call lists
// them); its folder is made when missing. The music is the same in every
// build.

#include "Mp3File.h"
#include "Repertoire.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

using namespace qor::music;

namespace {

int usage(const std::vector<Piece>& pieces) {
    std::cerr << "usage: qor-music FILE...\npieces:";
    for (const Piece& piece : pieces)
        std::cerr << ' ' << piece.file;
    std::cerr << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<Piece> pieces = repertoire();
    const std::vector<std::filesystem::path> files(argv + 1, argv + argc);
    const auto known = [&](const std::filesystem::path& file) {
        return std::find_if(pieces.begin(), pieces.end(),
                            [&](const Piece& piece) { return piece.file == file.filename(); });
    };
    if (files.empty() || std::any_of(files.begin(), files.end(),
                                     [&](const auto& file) { return known(file) == pieces.end(); }))
        return usage(pieces);

    for (const std::filesystem::path& file : files) {
        const StereoSignal music = render(*known(file));
        std::filesystem::create_directories(file.parent_path());
        if (!writeMp3(music, file.string())) {
            std::cerr << "qor-music: cannot write " << file.string() << " as MP3\n";
            return 1;
        }
        std::cout << file.filename().string() << ": " << music.seconds() << " s\n";
    }
    return 0;
}

#pragma once
// What the sample recordings are made of: the Spanish side of every entry of
// the sample vocabulary libraries, the form in which it is spoken and the
// file its recording gets. All text here is UTF-8, as in the library sources.

#include <string>
#include <string_view>
#include <vector>

namespace qor::recordings {

struct LibraryWord {
    std::string word;
    std::string meanings[2];
    bool german = false; // the word is German and the meanings are Spanish
};

// The entries of a library source (ten lines per entry, LF or CR LF). Lines
// are read as the program reads them: a first meaning starting with ".wav" is
// skipped, and a long fifth line is the context sentence when the fourth is
// empty. An incomplete last entry is left out.
std::vector<LibraryWord> parseLibrarySource(std::string_view utf8);

// The Spanish texts of an entry as the program looks them up: the word
// itself, or, for a German word, each of its meanings on its own.
std::vector<std::string> spanishTexts(const LibraryWord& entry);

// How a text is spoken: without bracketed comments and gender tags
// ("padre (m)" is spoken "padre"), other parentheses dropped but their
// content kept ("(de) pequeño" is spoken "de pequeño").
std::string spokenForm(std::string_view text);

// A file name without extension for a spoken text: lower-case ASCII letters,
// digits and underscores ("¿Cuántos años?" gives "cuantos_anos").
std::string fileStem(std::string_view spoken);

struct PlannedRecording {
    std::string file;   // name in the recordings folder, with ".wav"
    std::string spoken; // what espeak-ng says
};

struct PlannedEntry {
    std::string text; // the database text
    std::string file; // its recording
};

struct RecordingPlan {
    std::vector<PlannedRecording> recordings; // each spoken form once
    std::vector<PlannedEntry> entries;        // each text once, in order of appearance
};

// A sentence of the language lab's phrase data with the files of its two
// recordings below the sound folder: the reference "XS:\LA\2\sl___21a.wav"
// names the slow one ("LA/2/sl___21a.wav"), the one at normal speed has "b"
// in place of that final "a".
struct PhraseSentence {
    std::string spanish;
    std::string slowFile;
    std::string normalFile;
};

// The sentences of a phrase-data source: a line starting with "****" opens a
// topic, then every five lines are a sentence (Spanish, variant, hint,
// German, reference). Sentences whose reference is not "XS:\..." are left
// out, and so is an incomplete last one.
std::vector<PhraseSentence> parsePhraseSource(std::string_view utf8);

// Texts that are spoken alike share one recording; different spoken forms
// that would get the same file name are told apart by "_2", "_3", ...
RecordingPlan planRecordings(const std::vector<std::string>& texts);

} // namespace qor::recordings

#pragma once
// The program's one MCI interpreter and the simple play call. Every part of
// the program sends its command strings here (through the senders of the
// sound subsystem); tests install an interpreter over a scripted backend.

#include "platform/mci/MciInterpreter.h"

#include <string_view>

namespace qor {

// The interpreter in use. Unless one was installed, the first call creates
// one over SDL and libsndfile, which lives until the program ends.
MciInterpreter& mciInterpreter();

// Puts interpreter in use (nullptr: the built-in one again); returns the
// one installed before, if any.
MciInterpreter* installMciInterpreter(MciInterpreter* interpreter);

MciAnswer mciSend(std::string_view command);

// Whether an answer as the senders give it (MciAnswer::result) is a failure:
// callers test its first five characters.
bool IsMciError(std::string_view answer);

// Plays a sound file and returns when it has played (hover sounds). False
// when it cannot be played; nothing is shown.
bool PlaySoundSync(std::string_view path);

} // namespace qor

#pragma once
// The MCI command interpreter: takes the command strings the program has
// always sent ("open \"f\" alias welle", "play welle from 0", "status test
// mode", ...) and answers them as the Windows interface did. Devices are
// named by alias, one device per alias; opening an alias again closes the
// device that had it. The devices themselves come from a backend.
//
// Commands: open (a file, "type waveaudio" / "type mpegvideo", "new type
// waveaudio", "cdaudio"), close (an alias or "all"), play [from ms], stop,
// seek to start|end|ms, record, save "file", set (time format milliseconds;
// bitspersample, channels, alignment, samplespersec, bytespersec), status
// (mode, position, length, current track, type track n). Keywords and
// aliases ignore letter case.

#include "platform/mci/MciDevice.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace qor {

struct MciAnswer {
    int error = 0;    // an MciError number, 0 on success
    std::string text; // the answer on success: "playing", "1250", "audio", ...

    bool ok() const { return error == 0; }
    // As the program reads it: the text, or "Error" followed by the number.
    std::string result() const;
};

class MciInterpreter {
public:
    explicit MciInterpreter(MciBackend& backend);
    ~MciInterpreter();
    MciInterpreter(const MciInterpreter&) = delete;
    MciInterpreter& operator=(const MciInterpreter&) = delete;

    MciAnswer send(std::string_view command);
    // What "open" does for a file, for a sound in memory: the alias closes
    // what it had and plays the sound with "play alias from 0". A format
    // out of range or samples that are no whole frames are refused.
    MciAnswer openMemory(std::string_view alias, PcmSound sound);

    MciBackend& backend() { return backend_; }

private:
    struct OpenDevice {
        std::unique_ptr<MciDevice> device;
        int id = 0;
    };

    MciDevice* find(std::string_view alias);
    void close(std::string_view alias);
    MciAnswer keep(std::string_view alias, MciOpened opened);

    std::map<std::string, OpenDevice> devices_; // by lower-case alias
    MciBackend& backend_;
    int nextId_ = 1;
};

} // namespace qor

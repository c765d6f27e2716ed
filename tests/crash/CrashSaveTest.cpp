// Every kind of data file the program saves, saved by the program's own code
// in a process that is killed at each step of the save or finds the disk
// full: afterwards the file is the old one or the new one, whole, and the
// next start clears what the killed save left behind. A file that could not
// be read is never written over.

#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace qor {
namespace {

struct ProbeRun {
    int signal = 0; // the signal that ended the process, 0 when it exited
    std::string output;
};

// Runs the save probe with the fault (empty: none) on the files below dir.
ProbeRun probe(const std::string& kind, const std::string& dir, const std::string& step,
               const std::string& fault = {}) {
    std::vector<std::string> environment;
    if (!fault.empty()) {
        environment.push_back("LD_PRELOAD=" QOR_SAVE_FAULTS);
        environment.push_back("QOR_FAULT=" + fault);
        environment.push_back("QOR_FAULT_DIR=" + toNativePath(dir));
        // A sanitizer runtime would insist on being loaded before the faults.
        environment.push_back("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0");
    }
    const auto setHere = [&environment](std::string_view variable) {
        const std::string_view name = variable.substr(0, variable.find('=') + 1);
        return std::any_of(environment.begin(), environment.end(),
                           [name](const std::string& own) { return own.starts_with(name); });
    };
    for (char** variable = environ; *variable; ++variable)
        if (!setHere(*variable))
            environment.emplace_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string program = QOR_SAVE_PROBE, nativeDir = toNativePath(dir);
    std::string kindArgument = kind, stepArgument = step;
    char* argv[] = {program.data(), kindArgument.data(), nativeDir.data(), stepArgument.data(),
                    nullptr};

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, {}};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    ProbeRun run;
    char buffer[4096];
    for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(count));
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child)
        return {-1, run.output};
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return run;
}

int temporariesIn(const std::string& dir) {
    int count = 0;
    for (const DirectoryEntry& entry : listDirectory(dir))
        count += entry.name.starts_with(".qor-") ? 1 : 0;
    return count;
}

struct Kind {
    const char* name;
    const char* file;
    bool tellsTheUser; // else the caller of its save does
};

const Kind kinds[] = {
    {"settings", "registry.ini", true}, {"sounds", "s_w.qor", true},
    {"dictionary", "sd.qor", true},     {"user", "Probe_S.qob", false},
    {"library", "probe.asc", true},     {"scheme", "probe.ed", false},
};

class CrashSaveTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        ASSERT_EQ(probe(kind().name, temp.path(), "prepare").signal, 0);
        ASSERT_EQ(probe(kind().name, temp.path(), "check").output, "alt\n");
        old = readFile(path()).value_or("");
    }
    const Kind& kind() const { return GetParam(); }
    std::string path() const { return temp.path() + kind().file; }

    test::TempDir temp;
    std::string old;
};

TEST_P(CrashSaveTest, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    struct Case {
        const char* fault;
        const char* found;
        int leftBehind; // temporaries of the killed save
    };
    const Case cases[] = {{"kill-in-write", "alt\n", 1},
                          {"kill-before-rename", "alt\n", 1},
                          {"kill-after-rename", "neu\n", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        EXPECT_EQ(probe(kind().name, temp.path(), "change", c.fault).signal, SIGKILL);
        EXPECT_EQ(temporariesIn(temp.path()), c.leftBehind);
        EXPECT_EQ(probe(kind().name, temp.path(), "check").output, c.found);
        if (std::string(c.found) == "alt\n") {
            EXPECT_EQ(readFile(path()), old);
        }
        removeStaleTemporaries(temp.path()); // as the next start does
        EXPECT_EQ(temporariesIn(temp.path()), 0);
        if (std::string(c.found) == "neu\n") {
            ASSERT_EQ(probe(kind().name, temp.path(), "prepare").signal, 0);
        }
    }
}

TEST_P(CrashSaveTest, AFullDiskLosesNothingAndIsReported) {
    const ProbeRun run = probe(kind().name, temp.path(), "change", "no-space");
    EXPECT_EQ(run.signal, 0);
    EXPECT_NE(run.output.find("NICHT GESPEICHERT"), std::string::npos);
    EXPECT_EQ(run.output.find("MELDUNG:") != std::string::npos, kind().tellsTheUser) << run.output;
    EXPECT_EQ(readFile(path()), old);
    EXPECT_EQ(temporariesIn(temp.path()), 0);
    EXPECT_EQ(probe(kind().name, temp.path(), "check").output, "alt\n");
}

TEST_P(CrashSaveTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    ASSERT_TRUE(removeFile(path()));
    // Reading this process's memory from address 0 fails with an I/O error.
    std::filesystem::create_symlink("/proc/self/mem", toNativePath(path()));
    const ProbeRun run = probe(kind().name, temp.path(), "change");
    EXPECT_EQ(run.signal, 0);
    EXPECT_NE(run.output.find("MELDUNG:"), std::string::npos) << run.output;
    EXPECT_TRUE(std::filesystem::is_symlink(toNativePath(path())));
    EXPECT_EQ(temporariesIn(temp.path()), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryDataFile, CrashSaveTest, ::testing::ValuesIn(kinds),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace qor

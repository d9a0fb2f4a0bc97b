// Running velmora-cal as a user does, for the tests of its output: a shell command line, the
// exit code, what it printed.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::caltest {

struct CalRun {
    int exitCode;    // -1 when the program did not exit by itself
    std::string out; // standard output (with standard error when they go together)
    std::string err; // standard error, when kept apart
};

// The exit code and standard output of a shell command line.
inline CalRun runCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, {}};
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The command line of velmora-cal with a frozen clock (26/01/2009 10:30, in the year Kỷ Sửu),
// after the environment's assignments.
inline std::string calCommand(const std::string& arguments, const std::string& environment = "") {
    return "VELMORA_NOW=2009-01-26T10:30 " + environment + " " + VELMORA_CAL_PATH + " " + arguments;
}

enum class Stderr { WithOutput, Apart };

// Runs velmora-cal (calCommand); its standard error goes with the output or apart into err.
inline CalRun runCal(const std::string& arguments, const std::string& environment,
                     Stderr stderrGoes) {
    if (stderrGoes == Stderr::WithOutput)
        return runCommand(calCommand(arguments, environment) + " 2>&1");
    // One file per run: CTest runs the cases of a test program side by side.
    static int runs = 0;
    const std::string errFile = ::testing::TempDir() + "cal-stderr-" + std::to_string(::getpid()) +
                                "-" + std::to_string(++runs) + ".txt";
    CalRun run = runCommand(calCommand(arguments, environment) + " 2>" + errFile);
    run.err = readFile(errFile);
    std::remove(errFile.c_str());
    return run;
}

} // namespace velmora::caltest

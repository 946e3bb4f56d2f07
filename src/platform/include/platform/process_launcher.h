// Starting another program without waiting for it, optionally reading what it prints.
#pragma once

#include <string>
#include <vector>

#include "core/status.h"

namespace velquist {

// What a started program writes to its standard output and error (one pipe), read line by line
// without ever waiting. Dropping it closes the pipe; a program that writes after that gets
// SIGPIPE.
class ProcessOutput {
public:
    // Output that has already ended, with nothing in it.
    ProcessOutput() = default;
    // Takes over the read end of a pipe and makes it non-blocking.
    explicit ProcessOutput(int readEnd);
    ~ProcessOutput();
    ProcessOutput(ProcessOutput&& other) noexcept;
    ProcessOutput& operator=(ProcessOutput&& other) noexcept;
    ProcessOutput(const ProcessOutput&) = delete;
    ProcessOutput& operator=(const ProcessOutput&) = delete;

    // Reads what has arrived since the last call and returns the lines it completed, without
    // their line breaks (LF or CR LF); once the output has ended, an unfinished last line
    // counts too.
    std::vector<std::string> readLines();
    // True once the program has closed its output (normally: it has ended) and all was read.
    bool ended() const { return m_fd < 0; }

private:
    int m_fd = -1;
    std::string m_partial;  // the start of a line whose break has not come yet
};

// Starts programs; an interface so that callers can be tested with a stand-in.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // Starts the program at `program` with `arguments` after its own path. The path is used as
    // it is: no search, no shell, so blanks in it or in an argument split nothing. Returns once
    // the program has been loaded (on Windows, once it is ready for input or a second later at
    // most), without waiting for it to end.
    virtual Status start(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Starts like start(), with the program's standard output and error going to the returned
    // ProcessOutput instead of this process's.
    virtual Result<ProcessOutput> startReadingOutput(const std::string& program,
                                                     const std::vector<std::string>& arguments) = 0;
};

// Starts real processes. They get no open files other than standard input, output and error,
// default signal handling and this process's environment and working directory; their exit is
// collected in the background so no zombie remains.
class SystemProcessLauncher final : public ProcessLauncher {
public:
    Status start(const std::string& program, const std::vector<std::string>& arguments) override;
    Result<ProcessOutput> startReadingOutput(const std::string& program,
                                             const std::vector<std::string>& arguments) override;

private:
    // Starts the program, its output and error going to `outputFd` unless that is -1.
    Status spawn(const std::string& program, const std::vector<std::string>& arguments,
                 int outputFd);
};

}  // namespace velquist

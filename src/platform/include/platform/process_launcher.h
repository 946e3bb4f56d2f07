// Starting another program without waiting for it.
#pragma once

#include <string>
#include <vector>

#include "core/status.h"

namespace velquist {

// Starts programs; an interface so that callers can be tested with a stand-in.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // Starts the program at `program` with `arguments` after its own path. The path is used as
    // it is: no search, no shell, so blanks in it or in an argument split nothing. Returns once
    // the program has been loaded (on Windows, once it is ready for input or a second later at
    // most), without waiting for it to end.
    virtual Status start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// Starts real processes. They get no open files other than standard input, output and error,
// default signal handling and this process's environment and working directory; their exit is
// collected in the background so no zombie remains.
class SystemProcessLauncher final : public ProcessLauncher {
public:
    Status start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace velquist

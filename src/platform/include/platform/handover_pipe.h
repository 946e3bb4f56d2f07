// Windows only: the named pipe a later start hands its argument over through. It exists because
// the Windows build's Qt has no Network module (no QLocalServer); it goes once that Qt has one.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace velquist {

struct PipeConversation;

// The running copy's end: the pipe's only instance, talking to one later start at a time with
// overlapped I/O, so that it runs in the owner's event loop (poll when `event()` is signalled).
class HandoverPipeServer {
public:
    // The first instance of the pipe `name`, race-free; fails with Access while a running process
    // holds it (a killed process's pipe goes with it).
    static Result<std::unique_ptr<HandoverPipeServer>> claim(const std::string& name);
    ~HandoverPipeServer();
    HandoverPipeServer(const HandoverPipeServer&) = delete;
    HandoverPipeServer& operator=(const HandoverPipeServer&) = delete;

    // A manual-reset event handle, signalled when the pipe has something to do.
    void* event() const;
    // Carries the conversations on as far as they go now; answers the texts that arrived whole,
    // each already acknowledged to its sender.
    std::vector<std::string> poll();
    // False once the pipe can take no more starts.
    bool listening() const;

private:
    explicit HandoverPipeServer(std::unique_ptr<PipeConversation> conversation);

    std::unique_ptr<PipeConversation> m_conversation;
};

// A later start's end: gives `text` to the process serving the pipe `name` and waits up to
// `timeoutMs` for its acknowledgement. NotFound when no process serves it, also when the one that
// did hung up without acknowledging (it is ending).
Status handOverThroughPipe(const std::string& name, std::string_view text, int timeoutMs);

}  // namespace velquist

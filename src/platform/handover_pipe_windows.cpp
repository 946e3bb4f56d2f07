// The hand-over pipe: one instance, created with FILE_FLAG_FIRST_PIPE_INSTANCE, so that of two
// starts at once only one serves; the pipe belongs to its process and goes when it ends.
// A message is the text's length (4 bytes, little-endian) and its UTF-8; the answer one byte.
#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/win32.h"
#include "platform/handover_pipe.h"

namespace velquist {
namespace {

constexpr DWORD kMaxTextBytes = 256 * 1024;
constexpr DWORD kLengthBytes = 4;
constexpr char kTaken = '1';

enum class Stage { Connecting, ReadingLength, ReadingText, Answering, AwaitingClose };

std::wstring pipePath(const std::string& name) {
    return L"\\\\.\\pipe\\" + toUtf16(name);
}

Status lastError(StatusCode code = StatusCode::Failed) {
    return Status::failure(code, describeWindowsError(::GetLastError()));
}

DWORD msUntil(ULONGLONG deadline) {
    const ULONGLONG now = ::GetTickCount64();
    return now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
}

// The server hung up or is gone: for the sender, nobody serves the name.
bool serverGone(DWORD error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA ||
           error == ERROR_PIPE_NOT_CONNECTED || error == ERROR_FILE_NOT_FOUND;
}

// Only this user may open the pipe: by default anyone may open it for reading, and so hold its
// one instance.
std::wstring thisUserOnly() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    wchar_t* sid = nullptr;
    const bool known =
        ::GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid);
    ::CloseHandle(token);
    if (!known) {
        return {};
    }
    std::wstring descriptor = L"D:P(A;;GA;;;" + std::wstring(sid) + L")";
    ::LocalFree(sid);
    return descriptor;
}

}  // namespace

struct PipeConversation {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    OVERLAPPED io{};
    Stage stage = Stage::Connecting;
    std::string buffer;  // the length, then the text
    size_t filled = 0;
    bool pending = false;
    bool listening = true;

    ~PipeConversation() {
        if (pending) {
            DWORD bytes = 0;
            ::CancelIoEx(pipe, &io);
            ::GetOverlappedResult(pipe, &io, &bytes, TRUE);  // the buffer is in use until then
        }
        ::CloseHandle(pipe);
        if (event != nullptr) {
            ::CloseHandle(event);
        }
    }

    void expect(Stage next, size_t bytes) {
        stage = next;
        buffer.assign(bytes, '\0');
        filled = 0;
    }

    // The start went away, or ended after its answer: the instance waits for the next one.
    void hangUp() {
        ::DisconnectNamedPipe(pipe);
        expect(Stage::Connecting, 0);
    }

    // Starts the stage's operation; it is pending, or has already moved the stage on.
    void begin() {
        io = OVERLAPPED{};
        io.hEvent = event;
        BOOL ok = FALSE;
        if (stage == Stage::Connecting) {
            ok = ::ConnectNamedPipe(pipe, &io);
            if (!ok && ::GetLastError() == ERROR_PIPE_CONNECTED) {
                expect(Stage::ReadingLength, kLengthBytes);  // it came before the call
                return;
            }
        } else if (stage == Stage::Answering) {
            ok = ::WriteFile(pipe, &kTaken, 1, nullptr, &io);
        } else {
            ok = ::ReadFile(pipe, buffer.data() + filled,
                            static_cast<DWORD>(buffer.size() - filled), nullptr, &io);
        }
        if (ok || ::GetLastError() == ERROR_IO_PENDING) {
            pending = true;
        } else if (stage == Stage::Connecting) {
            listening = false;
        } else {
            hangUp();
        }
    }

    // The stage's operation moved `bytes`; the text once it is whole.
    std::optional<std::string> advance(DWORD bytes) {
        switch (stage) {
            case Stage::Connecting:
                expect(Stage::ReadingLength, kLengthBytes);
                return std::nullopt;
            case Stage::ReadingLength:
            case Stage::ReadingText:
                return received(bytes);
            case Stage::Answering:
                expect(Stage::AwaitingClose, 1);  // so the answer is read before the hang-up
                return std::nullopt;
            case Stage::AwaitingClose:
                break;
        }
        hangUp();
        return std::nullopt;
    }

    std::optional<std::string> received(DWORD bytes) {
        filled += bytes;
        if (bytes == 0 || filled < buffer.size()) {
            if (bytes == 0) {
                hangUp();
            }
            return std::nullopt;
        }
        if (stage == Stage::ReadingLength) {
            const auto* b = reinterpret_cast<const unsigned char*>(buffer.data());
            const uint32_t length = b[0] | (b[1] << 8) | (b[2] << 16) | (uint32_t{b[3]} << 24);
            if (length > kMaxTextBytes) {
                hangUp();
                return std::nullopt;
            }
            expect(Stage::ReadingText, length);
            if (length > 0) {
                return std::nullopt;
            }
        }
        std::string text = std::move(buffer);
        expect(Stage::Answering, 0);
        return text;
    }
};

HandoverPipeServer::HandoverPipeServer(std::unique_ptr<PipeConversation> conversation)
    : m_conversation(std::move(conversation)) {}

HandoverPipeServer::~HandoverPipeServer() = default;

Result<std::unique_ptr<HandoverPipeServer>> HandoverPipeServer::claim(const std::string& name) {
    // Without the user's SID the pipe keeps the default access, which still serves this user.
    SECURITY_ATTRIBUTES access{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    const std::wstring descriptor = thisUserOnly();
    if (!descriptor.empty()) {
        ::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            descriptor.c_str(), SDDL_REVISION_1, &access.lpSecurityDescriptor, nullptr);
    }
    auto conversation = std::make_unique<PipeConversation>();
    conversation->pipe = ::CreateNamedPipeW(
        pipePath(name).c_str(),
        PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 64, 4096,
        0, access.lpSecurityDescriptor != nullptr ? &access : nullptr);
    ::LocalFree(access.lpSecurityDescriptor);
    if (conversation->pipe == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return lastError(error == ERROR_ACCESS_DENIED || error == ERROR_PIPE_BUSY
                             ? StatusCode::Access
                             : StatusCode::Failed);
    }
    conversation->event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (conversation->event == nullptr) {
        return lastError();
    }
    auto server =
        std::unique_ptr<HandoverPipeServer>(new HandoverPipeServer(std::move(conversation)));
    server->poll();  // waits for the first start
    return server;
}

void* HandoverPipeServer::event() const {
    return m_conversation->event;
}

bool HandoverPipeServer::listening() const {
    return m_conversation->listening;
}

std::vector<std::string> HandoverPipeServer::poll() {
    PipeConversation& c = *m_conversation;
    std::vector<std::string> arrived;
    while (c.listening) {
        if (c.pending) {
            DWORD bytes = 0;
            const BOOL done = ::GetOverlappedResult(c.pipe, &c.io, &bytes, FALSE);
            if (!done && ::GetLastError() == ERROR_IO_INCOMPLETE) {
                break;
            }
            c.pending = false;
            if (!done) {
                c.hangUp();
                continue;
            }
            if (std::optional<std::string> text = c.advance(bytes)) {
                arrived.push_back(std::move(*text));
            }
        }
        c.begin();
    }
    return arrived;
}

namespace {

// Moves all of `size` bytes through the pipe before `deadline`.
Status transfer(HANDLE pipe, bool write, char* data, DWORD size, ULONGLONG deadline) {
    const HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (event == nullptr) {
        return lastError();
    }
    Status status;
    for (DWORD done = 0; done < size && status.ok();) {
        OVERLAPPED io{};
        io.hEvent = event;
        const BOOL started = write ? ::WriteFile(pipe, data + done, size - done, nullptr, &io)
                                   : ::ReadFile(pipe, data + done, size - done, nullptr, &io);
        DWORD bytes = 0;
        if (!started && ::GetLastError() != ERROR_IO_PENDING) {
            status =
                lastError(serverGone(::GetLastError()) ? StatusCode::NotFound : StatusCode::Failed);
        } else if (::WaitForSingleObject(event, msUntil(deadline)) != WAIT_OBJECT_0) {
            ::CancelIoEx(pipe, &io);
            ::GetOverlappedResult(pipe, &io, &bytes, TRUE);
            status = Status::failure(describeWindowsError(ERROR_TIMEOUT));
        } else if (!::GetOverlappedResult(pipe, &io, &bytes, FALSE) || bytes == 0) {
            status = lastError(bytes == 0 || serverGone(::GetLastError()) ? StatusCode::NotFound
                                                                          : StatusCode::Failed);
        }
        done += bytes;
    }
    ::CloseHandle(event);
    return status;
}

// The pipe's instance, once the start served before this one is done with it.
Result<HANDLE> connectPipe(const std::wstring& path, ULONGLONG deadline) {
    for (;;) {
        const HANDLE pipe = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) {
            return pipe;
        }
        const DWORD error = ::GetLastError();
        const DWORD wait = msUntil(deadline);
        // Zero would mean the pipe's default wait.
        if (error != ERROR_PIPE_BUSY || wait == 0 || !::WaitNamedPipeW(path.c_str(), wait)) {
            return lastError(serverGone(::GetLastError()) ? StatusCode::NotFound
                                                          : StatusCode::Failed);
        }
    }
}

}  // namespace

Status handOverThroughPipe(const std::string& name, std::string_view text, int timeoutMs) {
    if (text.size() > kMaxTextBytes) {
        return Status::failure(StatusCode::TooLarge, describeWindowsError(ERROR_INVALID_DATA));
    }
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    Result<HANDLE> pipe = connectPipe(pipePath(name), deadline);
    if (!pipe) {
        return pipe.status();
    }
    const auto length = static_cast<uint32_t>(text.size());
    std::string message{static_cast<char>(length & 0xff), static_cast<char>((length >> 8) & 0xff),
                        static_cast<char>((length >> 16) & 0xff), static_cast<char>(length >> 24)};
    message.append(text);
    Status status =
        transfer(*pipe, true, message.data(), static_cast<DWORD>(message.size()), deadline);
    char answer = 0;
    if (status.ok()) {
        status = transfer(*pipe, false, &answer, 1, deadline);
    }
    ::CloseHandle(*pipe);
    if (status.ok() && answer != kTaken) {
        return Status::failure(describeWindowsError(ERROR_INVALID_DATA));
    }
    return status;
}

}  // namespace velquist

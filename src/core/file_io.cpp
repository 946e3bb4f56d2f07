// What both systems share of file reading: the wording of a failed read.
#include <cerrno>
#include <cstring>

#include "core/file_io.h"
#include "core/messages.h"

namespace velquist {

std::string describeErrno(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return core_messages::kNoPermission;
        case EROFS:
            return core_messages::kReadOnlyFileSystem;
        case ENOSPC:
#ifdef EDQUOT  // a full quota is a full disk to the user; not every C library has it
        case EDQUOT:
#endif
            return core_messages::kDiskFull;
        case ENOENT:
        case ENOTDIR:
            return core_messages::kNotFound;
        case EISDIR:
            return core_messages::kIsDirectory;
        case ENAMETOOLONG:
            return core_messages::kNameTooLong;
        case EFBIG:
            return core_messages::kFileTooLarge;
        default:
            return std::strerror(err);
    }
}

Result<std::string> readWholeFile(const std::string& path, uint64_t maxBytes) {
    FileRead read = readFileBounded(path, maxBytes);
    switch (read.end) {
        case FileReadEnd::Read:
            return std::move(read.bytes);
        case FileReadEnd::Missing:
            return Status::failure(core_messages::kNotFound);
        case FileReadEnd::Folder:
            return Status::failure(core_messages::kIsDirectory);
        case FileReadEnd::NotRegular:
            return Status::failure(core_messages::kNotRegularFile);
        case FileReadEnd::TooLarge:
            return Status::failure(core_messages::kFileTooLarge);
        case FileReadEnd::Cancelled:
        case FileReadEnd::Failed:
            break;
    }
    return Status::failure(read.cause);
}

}  // namespace velquist

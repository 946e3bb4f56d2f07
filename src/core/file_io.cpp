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

Status errnoFailure(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return Status::failure(StatusCode::NotFound, describeErrno(err));
        case EISDIR:
            return Status::failure(StatusCode::Folder, describeErrno(err));
        case EACCES:
        case EPERM:
            return Status::failure(StatusCode::Access, describeErrno(err));
        default:
            return Status::failure(describeErrno(err));
    }
}

}  // namespace velquist

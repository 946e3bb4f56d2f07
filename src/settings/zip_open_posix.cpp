// File names are bytes on POSIX: the UTF-8 path goes to minizip as it is.
#include "zip_open.h"

namespace velquist {

unzFile openZipArchive(const std::string& path) {
    return unzOpen64(path.c_str());
}

}  // namespace velquist

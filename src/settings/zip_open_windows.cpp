// minizip's own file functions take the system's ANSI code page; its UTF-16 ones reach any name.
#include "zip_open.h"
// iowin32.h needs ioapi.h, which unzip.h brings, first.
#include <iowin32.h>

#include "core/win32.h"

namespace velquist {

unzFile openZipArchive(const std::string& path) {
    zlib_filefunc64_def functions;
    fill_win32_filefunc64W(&functions);
    const std::wstring name = toUtf16(path);
    return unzOpen2_64(name.c_str(), &functions);
}

}  // namespace velquist

// Build-time tool: packs the updater program into the archive the tool carries.
//   velquist_pack_updater <program> <archive.zip> <entry name>
#include <cstdio>

#include "core/file_io.h"
#include "updater/zip_pack.h"

int main(int argc, char** argv) {
    using namespace velquist;
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <program> <archive.zip> <entry name>\n", argv[0]);
        return 2;
    }
    Result<std::string> program = readWholeFile(argv[1]);
    if (!program) {
        std::fprintf(stderr, "%s: %s\n", argv[1], program.error().c_str());
        return 1;
    }
    const Status written = writeZip(argv[2], {{argv[3], std::move(program).value(), true}});
    if (!written) {
        std::fprintf(stderr, "%s\n", written.message().c_str());
        return 1;
    }
    return 0;
}

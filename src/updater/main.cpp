// The updater program: started by the tool with its token, which it accepts and does not use.
#include <cstdio>

#include "core/program_dir.h"
#include "core/template_fill.h"
#include "updater/messages.h"
#include "updater/update_check.h"

int main() {
    using namespace velquist;
    const Result<std::string> result = runUpdate(programDirectory());
    if (!result) {
        const std::string message =
            fillTemplate(updater_messages::kFailed, {{"{原因}", result.error()}});
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    std::printf("%s\n", result->c_str());
    return 0;
}

// The name both hand-over backends meet under.
#include <QCryptographicHash>

#include "app/copy_handover.h"
#include "core/text.h"
#include "platform/user_session.h"

namespace velquist {
namespace {

// Socket paths are short (108 bytes on Linux): a long program name goes in as its hash.
constexpr qsizetype kMaxNameBytes = 48;

}  // namespace

QString handoverName(const std::string& programFile) {
    QByteArray program = QByteArray::fromStdString(asciiLower(programFile));
    if (program.size() > kMaxNameBytes) {
        program = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex().left(32);
    }
    return QString::fromUtf8(program) + QLatin1Char('-') + QString::fromStdString(userSessionKey());
}

}  // namespace velquist

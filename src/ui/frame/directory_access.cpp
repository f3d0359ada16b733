#include "ui/frame/directory_access.h"

#include <QString>

#include "records/program_lock.h"
#include "ui/frame/messages.h"

namespace hk {

std::optional<DirectoryAccess> TakeDirectory(const ProgramDir& dir, Messages& messages) {
    std::vector<std::string> notes;
    DirectoryLock lock = LockProgramDirectory(dir, "heliokres", notes);
    if (lock.held()) return DirectoryAccess(std::move(lock), nullptr, std::move(notes));

    // The holder on a line of its own: with the path it is too long for one.
    QString message = QString::fromStdString(lock.refusal().message);
    if (const auto& holder = lock.refusal().holder) {
        const QString who = QString::fromStdString(holder->describe());
        message.replace(QStringLiteral(": ") + who + QStringLiteral(". "),
                        QStringLiteral(":\r") + who + QStringLiteral(".\r"));
    }
    if (!messages.ask(message +
                          QStringLiteral("\r\rOtevřít jej jen pro čtení? (Ano: program do něj nic "
                                         "neuloží; Ne: program skončí.)"),
                      SafeAnswer::No))
        return std::nullopt;
    return DirectoryAccess(std::move(lock),
                           std::make_unique<ReadOnlyFolder>(dir.root(), ReadOnlyReason),
                           std::move(notes));
}

} // namespace hk

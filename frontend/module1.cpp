#include "frontend/module1.h"

#include <QString>

#include "platform/message_box.h"

namespace frontend {

bool StartProgram(QWidget* parent, std::string_view program, platform::ProgramKind kind) {
    const platform::LaunchResult result = platform::launch_program(program, kind);
    const QString name =
        QString::fromStdString(platform::executable_file_name(program));
    switch (result.outcome) {
        case platform::LaunchOutcome::Started:
            return true;
        case platform::LaunchOutcome::NotFound:
            platform::warning_box(parent, QStringLiteral("プログラム %1 が見つかりません").arg(name));
            return false;
        case platform::LaunchOutcome::NoTerminal:
            platform::warning_box(parent,
                                  QStringLiteral("プログラム %1 を実行する端末が見つかりません").arg(name));
            return false;
        case platform::LaunchOutcome::Failed:
            break;
    }
    platform::warning_box(parent, QStringLiteral("プログラム %1 を起動できません\n%2")
                                      .arg(name, QString::fromStdString(result.reason)));
    return false;
}

}  // namespace frontend

#include "gui/forms/backup/BackupMenu.h"

#include "core/features/backup/BackupSession.h"
#include "core/features/common/FormServices.h"

#include <QAction>
#include <QMenu>

namespace morvelan {

void connectBackupMenu(QMenu* menu, QAction* generate, FormServices& services) {
    generate->setEnabled(true);
    QObject::connect(generate, &QAction::triggered, menu, [&services] {
        backup::generateBackup(services.engine(), services.currentTime());
    });
    auto* restore = new QAction(QString::fromUtf8("&Restaurar configuração no ECF..."), menu);
    restore->setObjectName(QStringLiteral("fileRestore"));
    const QList<QAction*> items = menu->actions();
    const qsizetype next = items.indexOf(generate) + 1;
    menu->insertAction(next > 0 && next < items.size() ? items[next] : nullptr, restore);
    QObject::connect(restore, &QAction::triggered, menu,
                     [&services] { backup::restoreBackup(services.engine()); });
}

} // namespace morvelan

#include "gui/app/FunctionTreeLabels.h"

namespace morvelan {

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QString groupLabel(int group, std::string_view name) {
    return QStringLiteral("%1 - %2").arg(group, 2, 10, QLatin1Char('0')).arg(fromUtf8(name));
}

QString itemLabel(int group, int item, std::string_view name) {
    return QStringLiteral("%1.%2 - %3")
        .arg(group, 2, 10, QLatin1Char('0'))
        .arg(item, 2, 10, QLatin1Char('0'))
        .arg(fromUtf8(name));
}

QIcon entryIcon(const QString& kind) {
    QIcon icon(QStringLiteral(":/icons/%1_closed.png").arg(kind));
    icon.addFile(QStringLiteral(":/icons/%1_open.png").arg(kind), {}, QIcon::Selected);
    return icon;
}

} // namespace morvelan

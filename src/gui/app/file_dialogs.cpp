#include "gui/app/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace krvm {

QString qtNameFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
            filters << description;
        } else {
            filters << QStringLiteral("%1 (%2)").arg(description, patterns);
        }
    }
    return filters.join(QStringLiteral(";;"));
}

// Qt's dialogs are resizable and ask before replacing a file.
QString QtFileDialogs::saveFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), QString(), qtNameFilter(filter));
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), qtNameFilter(filter));
}

}  // namespace krvm

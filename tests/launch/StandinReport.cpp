// SPDX-License-Identifier: MIT
#include "StandinReport.h"

#include <QFile>

QStringList recordedArguments(const QString &reportPath)
{
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(report.readAll()).split(u'\n');
    const QString countLine = QStringLiteral("Arguments received: ");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(countLine)) {
            const qsizetype count = lines[i].mid(countLine.size()).toLongLong();
            return lines.mid(i + 1, qMin(count, lines.size() - i - 2));
        }
    }
    return {};
}

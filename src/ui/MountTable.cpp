// SPDX-License-Identifier: MIT
#include "MountTable.h"

#include <QByteArrayList>
#include <QFile>
#include <QtGlobal>

#if defined(Q_OS_DARWIN) || defined(Q_OS_FREEBSD) || defined(Q_OS_OPENBSD)
#include <sys/mount.h>
#include <sys/param.h>
#include <sys/ucred.h>
#endif

namespace {

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The kernel writes a blank, tab, line break and backslash in a path as "\040", "\011",
// "\012" and "\134".
QByteArray unescaped(const QByteArray &field)
{
    QByteArray text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size() && isOctalDigit(field.at(i + 1))
            && isOctalDigit(field.at(i + 2)) && isOctalDigit(field.at(i + 3))) {
            text.append(char(((field.at(i + 1) - '0') << 6) | ((field.at(i + 2) - '0') << 3)
                             | (field.at(i + 3) - '0')));
            i += 3;
        } else {
            text.append(field.at(i));
        }
    }
    return text;
}

} // namespace

QList<Mount> parseMountInfo(const QByteArray &text)
{
    // Fields: ID, parent ID, device, root, mount folder, options, optional fields ended by
    // "-", then the type, the source and the super block's options.
    constexpr qsizetype folderField = 4;
    constexpr qsizetype firstOptionalField = 6;
    QList<Mount> mounts;
    for (const QByteArray &line : text.split('\n')) {
        const QByteArrayList fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", firstOptionalField);
        if (separator < 0 || separator + 1 >= fields.size() || fields.at(folderField).isEmpty())
            continue;
        mounts.append(
            Mount {unescaped(fields.at(folderField)), unescaped(fields.at(separator + 1))});
    }
    return mounts;
}

QList<Mount> readMountTable()
{
#if defined(Q_OS_LINUX)
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return parseMountInfo(table.readAll());
#elif defined(Q_OS_DARWIN) || defined(Q_OS_FREEBSD) || defined(Q_OS_OPENBSD)
    struct statfs *entries = nullptr;
    // MNT_NOWAIT returns what the kernel already knows instead of asking each file system.
    const int count = getmntinfo(&entries, MNT_NOWAIT);
    QList<Mount> mounts;
    for (int i = 0; i < count; ++i)
        mounts.append(
            Mount {QByteArray(entries[i].f_mntonname), QByteArray(entries[i].f_fstypename)});
    return mounts;
#else
    return {};
#endif
}

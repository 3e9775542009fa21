// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>

// Restores the test's working folder even when a check fails half-way.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QString &path) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }

    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

private:
    QString m_previous;
};

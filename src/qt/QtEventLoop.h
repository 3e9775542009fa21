// SPDX-License-Identifier: MIT
#pragma once

#include "EventLoop.h"
#include "Waiter.h"

#include <QObject>

#include <map>

class QSocketNotifier;

// Qt's event loop, for watching the generators and for waiting on a slow folder: a
// generator's process descriptor turns readable when it ends, and while a folder is slow
// to answer the windows keep painting.
class QtEventLoop : public QObject, public EventLoop, public Waiter
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~QtEventLoop() override;

    void watch(GeneratorRun::EndHandle handle, std::function<void()> ended) override;
    void stopWatching(GeneratorRun::EndHandle handle) override;
    void post(std::function<void()> task) override;

    void wait(const std::function<bool()> &answered,
              std::chrono::steady_clock::time_point deadline) override;

private:
    std::map<GeneratorRun::EndHandle, QSocketNotifier *> m_notifiers;
};

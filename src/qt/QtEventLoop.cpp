// SPDX-License-Identifier: MIT
#include "QtEventLoop.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds pollInterval(10);

} // namespace

QtEventLoop::~QtEventLoop()
{
    for (auto &[handle, notifier] : m_notifiers)
        delete notifier;
}

void QtEventLoop::watch(GeneratorRun::EndHandle handle, std::function<void()> ended)
{
    auto *notifier = new QSocketNotifier(qintptr(handle), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, std::move(ended));
    m_notifiers[handle] = notifier;
}

// The notifier may be inside its own signal, so it is deleted once control is back in the
// loop; it hears nothing more meanwhile.
void QtEventLoop::stopWatching(GeneratorRun::EndHandle handle)
{
    const auto found = m_notifiers.find(handle);
    if (found == m_notifiers.end())
        return;
    found->second->setEnabled(false);
    found->second->deleteLater();
    m_notifiers.erase(found);
}

void QtEventLoop::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

// Input waits until the answer is in or given up, so that nothing acts on a list that is
// half-way through a change.
void QtEventLoop::wait(const std::function<bool()> &answered,
                       std::chrono::steady_clock::time_point deadline)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (answered() || std::chrono::steady_clock::now() >= deadline)
            loop.quit();
    });
    poll.start(pollInterval);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

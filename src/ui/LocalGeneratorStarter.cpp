// SPDX-License-Identifier: MIT
#include "LocalGeneratorStarter.h"

#include <QCoreApplication>

#include <algorithm>

LocalGeneratorStarter::LocalGeneratorStarter()
{
    if (const QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &LocalGeneratorStarter::letGo);
}

LocalGeneratorStarter::~LocalGeneratorStarter()
{
    letGo();
}

Result<void, LaunchFailure> LocalGeneratorStarter::start(const CommandLine &command)
{
    collectEndedMeanwhile();
    auto started = LaunchGenerator(command);
    if (!started)
        return Failure {started.failure()};
    Watched &watched = m_watched.emplace_back(Watched {*std::move(started), nullptr});
#if defined(Q_OS_WIN)
    watched.notifier = std::make_unique<EndNotifier>(watched.run.endHandle());
#else
    watched.notifier =
        std::make_unique<EndNotifier>(qintptr(watched.run.endHandle()), EndNotifier::Read);
#endif
    const EndNotifier *notifier = watched.notifier.get();
    connect(notifier, &EndNotifier::activated, this, [this, notifier] { collect(notifier); });
    return {};
}

// Starts made while the event loop waits, as from code or a held key, would otherwise keep
// two descriptors for each generator that has long ended. Their ends are still reported
// from the event loop.
void LocalGeneratorStarter::collectEndedMeanwhile()
{
    for (auto watched = m_watched.begin(); watched != m_watched.end();) {
        std::optional<GeneratorEnd> end = watched->run.collect();
        if (watched->run.watching()) {
            ++watched;
            continue;
        }
        watched = forget(watched);
        if (end) {
            ++m_endsQueued;
            QMetaObject::invokeMethod(
                this,
                [this, end = std::move(*end)] {
                    --m_endsQueued;
                    emit ended(end);
                },
                Qt::QueuedConnection);
        }
    }
}

void LocalGeneratorStarter::collect(const EndNotifier *notifier)
{
    const auto found =
        std::find_if(m_watched.begin(), m_watched.end(), [notifier](const Watched &watched) {
            return watched.notifier.get() == notifier;
        });
    if (found == m_watched.end())
        return;
    const std::optional<GeneratorEnd> end = found->run.collect();
    if (found->run.watching())
        return;
    forget(found);
    if (end)
        emit ended(*end);
}

// The run's descriptor is closed by now. The notifier may be inside its own signal, so it is
// deleted once control is back in the loop.
std::list<LocalGeneratorStarter::Watched>::iterator
LocalGeneratorStarter::forget(std::list<Watched>::iterator watched)
{
    watched->notifier->setEnabled(false);
    watched->notifier.release()->deleteLater();
    return m_watched.erase(watched);
}

void LocalGeneratorStarter::letGo()
{
    m_watched.clear();
}

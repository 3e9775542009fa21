// SPDX-License-Identifier: MIT
#include "openApplication.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

// The context's strings come from Qt's code and categories, so they outlive the message.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

// Qt's messages while the application opens the display: shown afterwards if it opens,
// replaced by one plain line if it does not.
QList<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

QString displayProblem()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("could not open a display: DISPLAY is not set");
    return QStringLiteral("could not open the display \"%1\"").arg(QString::fromLocal8Bit(display));
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt aborts after a fatal message; ending here first gives a plain status instead.
        std::fprintf(stderr, "lapforge-gui: %s\n", displayProblem().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.append(
        {type, context.file, context.line, context.function, context.category, text});
}

void releaseMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv)
{
    previousHandler = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    releaseMessages();
    return application;
}

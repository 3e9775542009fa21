// SPDX-License-Identifier: MIT
#include "StartArguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <array>
#include <cstdio>

namespace {

const QString programName = QStringLiteral("lapforge-gui");

struct OwnOption
{
    const char *shortName;
    const char *longName;
    const char *description;
};

constexpr std::array ownOptions {
    OwnOption {"h", "help", "Show this help and exit."},
    OwnOption {"v", "version", "Show the version and exit."},
};

// The options that the application object reads itself; they must not count as unknown.
struct QtOption
{
    const char *name;
    bool takesValue;
};

constexpr std::array qtOptions {
    QtOption {"platform", true},        QtOption {"platformpluginpath", true},
    QtOption {"platformtheme", true},   QtOption {"plugin", true},
    QtOption {"display", true},         QtOption {"style", true},
    QtOption {"stylesheet", true},      QtOption {"geometry", true},
    QtOption {"qwindowgeometry", true}, QtOption {"title", true},
    QtOption {"qwindowtitle", true},    QtOption {"icon", true},
    QtOption {"qwindowicon", true},     QtOption {"name", true},
    QtOption {"session", true},         QtOption {"reverse", false},
    QtOption {"widgetcount", false},    QtOption {"nograb", false},
    QtOption {"dograb", false},         QtOption {"sync", false},
};

QString helpText()
{
    QString text =
        QStringLiteral("Usage: %1 [options]\n"
                       "\n"
                       "A desktop front end for Lapforge, the command-line program that\n"
                       "generates one segment of a race track. It first asks for the folder\n"
                       "that holds Lapforge (lapforge.exe), then for the segment and its\n"
                       "dressing; \"Make It!\" starts Lapforge with the matching command line.\n"
                       "\n"
                       "A stand-in generator for trying it out is installed as\n"
                       "PREFIX/%2/lapforge.exe, where PREFIX is the folder that\n"
                       "holds the bin folder of %1 (/usr for the Debian package).\n"
                       "\n"
                       "Options:\n")
            .arg(programName, QStringLiteral(LAPFORGE_STANDINDIR));
    for (const OwnOption &option : ownOptions)
        text += QStringLiteral("  -%1, --%2  %3\n")
                    .arg(QLatin1String(option.shortName),
                         QString::fromLatin1(option.longName).leftJustified(7),
                         QLatin1String(option.description));
    text +=
        QStringLiteral("Qt's own options, such as -platform and -style, are passed on to Qt.\n");
    return text;
}

void addOptions(QCommandLineParser &parser)
{
    for (const OwnOption &option : ownOptions)
        parser.addOption(QCommandLineOption(QStringList {QString::fromLatin1(option.shortName),
                                                         QString::fromLatin1(option.longName)}));
    for (const QtOption &qt : qtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        parser.addOption(option);
    }
}

StartAnswer usageError(const QString &problem)
{
    return {2, {}, QStringLiteral("%1: %2\n\n%3").arg(programName, problem, helpText())};
}

} // namespace

int StartAnswer::deliver() const
{
    std::fputs(standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(standardError.toLocal8Bit().constData(), stderr);
    return exitStatus;
}

std::optional<StartAnswer> answerStartArguments(const QStringList &arguments,
                                                const QString &version)
{
    QCommandLineParser parser;
    // Qt's options take one dash, as in "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'.")
                              .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(QStringLiteral("help")))
        return StartAnswer {0, helpText(), {}};
    if (parser.isSet(QStringLiteral("version")))
        return StartAnswer {0, QStringLiteral("%1 %2\n").arg(programName, version), {}};
    return std::nullopt;
}

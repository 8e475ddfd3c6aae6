#include "app/commandline.h"

#include <QCommandLineParser>

namespace commandline {

namespace {
const QString Usage = QStringLiteral("Usage: tanglewick [OPTION]\n"
                                     "Unscramble the letters and guess the hidden word.\n"
                                     "\n"
                                     "Options:\n"
                                     "  -h, --help     Show this help and exit.\n"
                                     "  -v, --version  Show the version and exit.\n"
                                     "\n"
                                     "It also takes the standard options of Qt programs, such as -style.\n");

Outcome usageError(const QString &problem)
{
    return {false, UsageError, QStringLiteral("tanglewick: %1\n\n").arg(problem) + Usage, true};
}

// Qt's standard options, left for QApplication to take.
void acceptQtOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}
} // namespace

Outcome read(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash: -style, not -s -t -y …
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(QStringLiteral("unknown option '%1'").arg(parser.unknownOptionNames().constFirst()));
        // Qt's own wording, as a clause: "missing value after '-style'".
        QString problem = parser.errorText();
        problem[0] = problem[0].toLower();
        if (problem.endsWith(u'.'))
            problem.chop(1);
        return usageError(problem);
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return {false, 0, Usage, false};
    if (parser.isSet(version))
        return {false, 0, QStringLiteral(TANGLEWICK_PRODUCT_NAME " " TANGLEWICK_VERSION_TEXT "\n"), false};
    return {};
}

} // namespace commandline

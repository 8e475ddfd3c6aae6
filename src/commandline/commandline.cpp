#include "commandline/commandline.h"

#include <QCommandLineParser>

#include <cstdio>

#ifdef Q_OS_WIN
#include "widgets/controls.h"

#include <QApplication>
#include <QMessageBox>

#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>
#endif

namespace commandline {

namespace {
const QString Usage = QStringLiteral("Usage: tanglewick [OPTION]\n"
                                     "Unscramble the letters and guess the hidden word.\n"
                                     "\n"
                                     "Options:\n"
                                     "  -h, --help     Show this help and exit.\n"
                                     "  -v, --version  Show the version and exit.\n"
                                     "\n"
                                     "It also takes the standard options of Qt programs, such as -style.\n"
                                     "Any other argument is passed over, and the game starts as without it.\n");

// Qt's standard options, left for QApplication to take.
void acceptQtOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}

#ifdef Q_OS_WIN
// Whether a standard stream leads somewhere: a file, a pipe or a console.
bool hasStream(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Writes the text on the console of the program that started this one (a
// command prompt), if there is one. Its prompt is back already, as it does
// not wait for a GUI program, so the text starts on a line of its own.
bool toParentConsole(const QString &text)
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    bool written = false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        const std::wstring wide = (u'\n' + text).toStdWString();
        DWORD count = 0;
        written = WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &count, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

// Shows the text in a message box with Windows' own information icon. The
// arguments stay out of QApplication: they are the help's or the version's.
void inMessageBox(const Outcome &outcome)
{
    char name[] = TANGLEWICK_PRODUCT_NAME;
    char *argv[] = {name, nullptr};
    int argc = 1;
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Information, QStringLiteral(TANGLEWICK_PRODUCT_NAME), QString(), QMessageBox::Ok);
    // The usage is laid out in columns: the window's fixed-pitch face keeps them.
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<pre style=\"font-family: '%1'\">%2</pre>")
                    .arg(controls::Fonts().legend.family(), outcome.text.trimmed().toHtmlEscaped()));
    box.exec();
}
#endif

// Writes the text on the stream, if there is one, and tells whether there was.
bool write(const QString &text, std::FILE *stream)
{
#ifdef Q_OS_WIN
    if (!hasStream(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE))
        return false;
    // The lines end as on every other system, so that a script reading the
    // text gets the same bytes everywhere.
    _setmode(_fileno(stream), _O_BINARY);
#endif
    // In UTF-8 everywhere, as on Linux: the ANSI code page of Windows would
    // lose any letter of an argument beyond it.
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
    return true;
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

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help))
        return {false, Usage};
    if (parser.isSet(version))
        return {false, QStringLiteral(TANGLEWICK_PRODUCT_NAME " " TANGLEWICK_VERSION_TEXT "\n")};
    QStringList ignored;
    for (const QString &name : parser.unknownOptionNames())
        ignored.append(QStringLiteral("unknown option '%1'").arg(name));
    if (!parsed && ignored.isEmpty()) {
        // Qt's own wording, as a clause: "missing value after '-style'".
        QString problem = parser.errorText();
        problem[0] = problem[0].toLower();
        if (problem.endsWith(u'.'))
            problem.chop(1);
        ignored.append(problem);
    }
    for (const QString &argument : parser.positionalArguments())
        ignored.append(QStringLiteral("argument '%1'").arg(argument));
    if (ignored.isEmpty())
        return {};
    return {true, QStringLiteral("tanglewick: ignoring %1\n").arg(ignored.join(QStringLiteral(", ")))};
}

int answer(const Outcome &outcome)
{
    if (!write(outcome.text, stdout)) {
#ifdef Q_OS_WIN
        if (!toParentConsole(outcome.text))
            inMessageBox(outcome);
#endif
    }
    return 0;
}

void note(const Outcome &outcome)
{
    if (!outcome.text.isEmpty())
        write(outcome.text, stderr);
}

} // namespace commandline

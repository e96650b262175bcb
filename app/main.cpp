// The process entry: takes no command line, builds the window, runs its Load handler before the
// window first shows, and hands over to the event loop until the window is closed. Without a
// display it says so in one line and exits with status 1.
#include "app/event_table.h"
#include "app/window_wiring.h"
#include "sound/cue_player.h"
#include "ui/qt/qt_form.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QtMessageHandler defaultHandler = nullptr;
QString platformProblem;

[[noreturn]] void cannotOpenDisplay(const QString& reason)
{
    std::fprintf(stderr, "cannot open a display: %s\n", qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(1);
}

// While the platform starts, Qt's fatal "no platform plugin" message would abort with a core
// dump; the reason it gives is kept and reported in one line instead.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type == QtFatalMsg)
        cannotOpenDisplay(platformProblem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                    : platformProblem);
    if (platform && type >= QtWarningMsg && platformProblem.isEmpty()) {
        platformProblem = message;
        return;
    }
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        cannotOpenDisplay(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set"));
#endif
    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("zarvona"), nullptr};

    defaultHandler = qInstallMessageHandler(startupMessages);
    QApplication application(qtArgc, qtArgv);
    qInstallMessageHandler(defaultHandler);
    QApplication::setApplicationName(QStringLiteral("Zarvona"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zarvona.Zarvona"));

    const std::unique_ptr<zarvona::CuePlayer> cues = zarvona::makeSystemCuePlayer();
    zarvona::QtForm form(*cues);
    zarvona::wireEvents(form);
    form.fire(zarvona::Control::Form1, zarvona::Event::Load);
    form.window()->show();
    return QApplication::exec();
}

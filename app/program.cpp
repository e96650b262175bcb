#include "app/program.h"

#include "app/command_line.h"
#include "app/cue_after_paint.h"
#include "app/first_use.h"
#include "app/font_warmup.h"
#include "app/quit_on_signals.h"
#include "app/window_wiring.h"
#include "sound/cue_player.h"
#include "window/form/frame_extents.h"
#include "window/form/message_box.h"
#include "window/form/qt_form.h"
#include "window/graphics/fonts.h"

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
// dump; the first reason the platform layer gives is kept and reported in one line instead.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type == QtFatalMsg)
        cannotOpenDisplay(platformProblem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                    : platformProblem);
    if (platform && type >= QtWarningMsg) {
        if (platformProblem.isEmpty())
            platformProblem = message;
        return;
    }
    defaultHandler(type, context, message);
}

} // namespace

namespace zarvona {

int runProgram(int argc, char** argv, const std::function<void(QWidget*)>& shown)
{
    answerCommandLine(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        cannotOpenDisplay(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set"));
#endif
    FontWarmup fonts; // fontconfig starts while Qt does
    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("zarvona"), nullptr};

    defaultHandler = qInstallMessageHandler(startupMessages);
    QApplication application(qtArgc, qtArgv);
    qInstallMessageHandler(defaultHandler);
    QApplication::setApplicationName(QStringLiteral("Zarvona"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zarvona.zarvona"));
    installQtArabicTranslation(); // the program speaks Arabic only, whatever the locale
    fonts.wait();
    // The faces that travel with the program (the Windows build's fonts folder); none on Linux,
    // where the set-up installs them.
    registerFacesIn(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QuitOnSignals quitOnSignals;

    const std::unique_ptr<CuePlayer> cues = makeSystemCuePlayer();
    CueAfterPaint afterPaint(*cues);
    QtForm form([&afterPaint](std::string_view name) { afterPaint.play(name); });
    wireEvents(form);
    prepareAfterFirstPaint(form, *cues);
    if (const std::optional<QMargins> frame = askFrameExtents(*form.window()))
        form.expectFrame(*frame);
    form.fire(Control::Form1, Event::Load);
    form.window()->show();
    if (shown)
        shown(form.window());
    return QApplication::exec();
}

} // namespace zarvona

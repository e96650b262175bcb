#include "app/command_line.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace zarvona {

namespace {

constexpr QChar RightToLeftMark(0x200F);

// Each line opens and closes with a right-to-left mark, and a colon followed by Latin text gets
// one after it: a terminal that takes each line's direction from its first strong letter sets
// the lines right to left, and one that sets every line left to right still keeps each colon
// and full stop at the end of the Arabic words it follows.
QString helpText(const QString& program, const QList<QCommandLineOption>& options)
{
    QStringList lines = {
        QStringLiteral(u"الاستخدام:") + RightToLeftMark + QLatin1Char(' ') + program +
            QStringLiteral(u" [خيارات]"),
        QStringLiteral(u"زارفونا: كتاب فيه مئة لغز عربي، لغز بعد لغز، والجواب بنقرة."),
        QString(),
        QStringLiteral(u"الخيارات:"),
    };
    for (const QCommandLineOption& option : options)
        lines << (QStringLiteral("  -") + option.names().join(QStringLiteral(", --")))
                         .leftJustified(17) +
                     option.description();
    QString text;
    for (const QString& line : lines)
        text += line.isEmpty() ? QStringLiteral("\n")
                               : RightToLeftMark + line + RightToLeftMark + QLatin1Char('\n');
    return text;
}

} // namespace

void answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral(u"يعرض هذه المساعدة ثم يخرج."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral(u"يعرض رقم الإصدار ثم يخرج."));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments); // whatever else is there is ignored, so failing to parse it is too
    if (!parser.isSet(help) && !parser.isSet(version))
        return;
    const QString text =
        parser.isSet(version)
            ? QStringLiteral("Zarvona " ZARVONA_VERSION_TEXT "\n")
            : helpText(arguments.value(0, QStringLiteral("zarvona")), {help, version});
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    std::exit(0);
}

} // namespace zarvona

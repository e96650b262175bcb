#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace zarvona {

void answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(u"زارفونا: كتاب فيه مئة لغز عربي، "
                                                    u"لغز بعد لغز، والجواب بنقرة."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral(u"يعرض هذه المساعدة ثم يخرج."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral(u"يعرض رقم الإصدار ثم يخرج."));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments); // whatever else is there is ignored, so failing to parse it is too
    if (!parser.isSet(help) && !parser.isSet(version))
        return;

    // A core application gives the help text the program's name and Qt's Arabic headings; it
    // opens no display.
    QCoreApplication application(argc, argv);
    QTranslator qtText;
    if (qtText.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtText);
    const QString text = parser.isSet(version)
                             ? QStringLiteral("Zarvona " ZARVONA_VERSION_TEXT "\n")
                             : parser.helpText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    std::exit(0);
}

} // namespace zarvona

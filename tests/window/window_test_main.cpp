// Window tests run the real Qt window. Without a display they use Qt's offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvona"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

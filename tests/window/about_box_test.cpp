// The About box as the real window builds it: each of its lines laid out right to left, the
// e-mail address and the years included, and its one button captioned in Arabic, with Qt's own
// translation where it is installed and without it.
#include "window_fixture.h"

#include "window/form/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>

namespace zarvona {
namespace {

// Lays out one line as the box's label does, its direction taken from its own text.
struct LaidOutLine {
    explicit LaidOutLine(const QString& text) : layout(text)
    {
        QTextOption option;
        option.setTextDirection(Qt::LayoutDirectionAuto);
        layout.setTextOption(option);
        layout.beginLayout();
        layout.createLine().setLineWidth(10000);
        layout.endLayout();
    }
    qreal xOf(qsizetype position) const { return layout.lineAt(0).cursorToX(int(position)); }
    QTextLayout layout;
};

using AboutBoxTest = WindowTest;

TEST_F(AboutBoxTest, EveryLineReadsRightToLeftAndTheButtonIsArabic)
{
    click(Control::About);
    ASSERT_EQ(messages.size(), 1u);
    const Shown& shown = messages.front();

    const auto box = makeMessageBox(form->window(), shown.title, shown.text, shown.style);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    const struct {
        const char* firstRead; // read first, so it stands furthest right
        const char* thenRead;
    } cases[] = {{"إعداد", "Koravel"}, {"koravel@", "example.org"}, {"1422", "2001"}};
    for (int i = 0; i < 3; ++i) {
        const LaidOutLine line(lines[i]);
        // A line laid out right to left starts at its right end.
        qreal leftmost = line.xOf(0), rightmost = leftmost;
        for (qsizetype p = 1; p <= lines[i].size(); ++p) {
            leftmost = std::min(leftmost, line.xOf(p));
            rightmost = std::max(rightmost, line.xOf(p));
        }
        EXPECT_EQ(line.xOf(0), rightmost) << "line " << i + 1;
        EXPECT_LT(leftmost, rightmost) << "line " << i + 1;
        const QString first = QString::fromUtf8(cases[i].firstRead);
        const QString then = QString::fromUtf8(cases[i].thenRead);
        EXPECT_GT(line.xOf(lines[i].indexOf(first)), line.xOf(lines[i].indexOf(then)))
            << "line " << i + 1 << ": " << qPrintable(first) << " should stand right of "
            << qPrintable(then);
    }

    const QList<QAbstractButton*> buttons = box->buttons();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(box->buttonRole(buttons.front()), QMessageBox::AcceptRole);
    const QString untranslated = buttons.front()->text();
    if (!installQtArabicTranslation()) {
        EXPECT_EQ(untranslated, QStringLiteral("موافق"));
        GTEST_SKIP() << "Qt's Arabic translation is not installed (qt6-translations-l10n)";
    }
    // Qt's own word for its OK button, once its Arabic translation is in.
    const QString qtsOwn = QCoreApplication::translate("QPlatformTheme", "OK");
    EXPECT_NE(qtsOwn, QStringLiteral("OK"));
    const auto translated = makeMessageBox(form->window(), shown.title, shown.text, shown.style);
    ASSERT_EQ(translated->buttons().size(), 1);
    EXPECT_EQ(translated->buttons().front()->text(), qtsOwn);
}

} // namespace
} // namespace zarvona

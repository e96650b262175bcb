#include "window/form/message_box.h"

#include "ui/form.h"
#include "window/controls/text_label.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>

namespace zarvona {

namespace {

bool hasArabicLetter(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Arabic && c.isLetter(); });
}

// A line that starts with no right-to-left letter (the e-mail address, the years) would be
// laid out left to right on its own; a right-to-left mark before it makes every line of the
// box read right to left, while the text handed to the box stays as it was built.
QString readingRightToLeft(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line.prepend(QChar(0x200F));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool installQtArabicTranslation()
{
    static QTranslator* installed = nullptr;
    if (installed != nullptr)
        return true;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    // Named outright rather than found from a locale, which would try a file per candidate.
    if (!translator->load(QStringLiteral("qtbase_ar"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed = translator.release(); // owned by the application from here on
    return true;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, int style)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title);
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    const QString lines = displayTextOf(text.toStdU16String());
    const bool rightToLeft = style & MsgBoxRtlReading;
    box->setText(rightToLeft ? readingRightToLeft(lines) : lines);
    QPushButton* ok = box->addButton(QMessageBox::Ok);
    if (!hasArabicLetter(ok->text()))
        ok->setText(QStringLiteral("موافق"));
    box->setWindowModality(Qt::ApplicationModal);
    if (rightToLeft)
        box->setLayoutDirection(Qt::RightToLeft);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // Absolute, so that "right" means the right edge under either reading order.
        label->setAlignment((style & MsgBoxRightAligned) ? Qt::AlignRight | Qt::AlignAbsolute
                                                         : Qt::AlignLeft | Qt::AlignAbsolute);
        // The text labels the button the box opens on (accessibility.cpp says why), as one line:
        // a braille display shows a line break as nothing.
        label->setBuddy(ok);
        label->setAccessibleName(label->text().split(QLatin1Char('\n')).join(QLatin1Char(' ')));
    }
    return box;
}

int showMessageBox(QWidget* parent, const QString& title, const QString& text, int style)
{
    makeMessageBox(parent, title, text, style)->exec();
    return 1; // the only button is OK
}

} // namespace zarvona

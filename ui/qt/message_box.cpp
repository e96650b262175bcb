#include "ui/qt/message_box.h"

#include "ui/form.h"
#include "ui/qt/text_label.h"

#include <QLabel>
#include <QMessageBox>

namespace zarvona {

int showMessageBox(QWidget* parent, const QString& title, const QString& text, int style)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayTextOf(text.toStdU16String()));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (style & MsgBoxRtlReading)
        box.setLayoutDirection(Qt::RightToLeft);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // Absolute, so that "right" means the right edge under either reading order.
        label->setAlignment((style & MsgBoxRightAligned) ? Qt::AlignRight | Qt::AlignAbsolute
                                                         : Qt::AlignLeft | Qt::AlignAbsolute);
    }
    box.exec();
    return 1; // the only button is OK
}

} // namespace zarvona

#include "ui/qt/accessibility.h"

#include "ui/qt/control_widget.h"
#include "ui/qt/glyph_label.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/text_label.h"

#include <QAccessibleWidget>

namespace zarvona {

namespace {

QString buttonName(Control control)
{
    switch (control) {
    case Control::Next1: return QStringLiteral("اللغز التالي");
    case Control::Back: return QStringLiteral("اللغز السابق");
    case Control::About: return QStringLiteral("عن البرنامج");
    case Control::Label4: return QStringLiteral("قائمة أرقام الألغاز");
    case Control::Image2: return QStringLiteral("الجواب");
    default: return {};
    }
}

class AccessibleText final : public QAccessibleWidget {
  public:
    explicit AccessibleText(TextLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TextLabel*>(widget())->displayText();
        return QAccessibleWidget::text(t);
    }
};

class AccessibleButton final : public QAccessibleWidget {
  public:
    explicit AccessibleButton(ControlWidget* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return buttonName(static_cast<ControlWidget*>(widget())->control());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<ControlWidget*>(widget())->activate();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* label = dynamic_cast<TextLabel*>(object))
        return new AccessibleText(label);
    if (dynamic_cast<GlyphLabel*>(object) != nullptr ||
        dynamic_cast<PictureBox*>(object) != nullptr)
        return new AccessibleButton(static_cast<ControlWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zarvona

#include "window_fixture.h"

#include "app/window_wiring.h"
#include "window/access/keyboard.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

namespace zarvona {

void WindowTest::SetUp()
{
    form = std::make_unique<QtForm>([this](std::string_view name) { cues.play(name); });
    form->setMessagePresenter(
        [this](QWidget*, const QString& title, const QString& text, int style) {
            messages.push_back({title, text, style});
            return 1;
        });
    wireEvents(*form);
    form->keyboard().setClock([this] { return now; });
    form->fire(Control::Form1, Event::Load);
    form->window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->window()));
}

void WindowTest::TearDown()
{
    form.reset();
    QApplication::processEvents();
}

void WindowTest::moveTo(QPoint point)
{
    QTest::mouseMove(form->window()->windowHandle(), point);
    QApplication::processEvents();
}

void WindowTest::click(Control target, QPoint point)
{
    ASSERT_EQ(controlName(controlUnder(point)), controlName(target))
        << "at " << point.x() << "," << point.y();
    moveTo(point);
    QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, point);
    QApplication::processEvents();
}

void WindowTest::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(form->window()->windowHandle(), Qt::Key(key), modifiers);
    QApplication::processEvents();
}

void WindowTest::type(QChar character)
{
    const auto code = Qt::Key(character.unicode());
    QTest::sendKeyEvent(QTest::Click, form->window()->windowHandle(), code, QString(character),
                        Qt::NoModifier);
    QApplication::processEvents();
}

QImage WindowTest::grab() const { return form->window()->grab().toImage(); }

Control WindowTest::controlUnder(QPoint point) const
{
    QWidget* child = form->window()->childAt(point);
    while (child != nullptr && child->parentWidget() != form->window())
        child = child->parentWidget();
    for (int c = 0; c < ControlCount; ++c)
        if (child != nullptr && form->controlWidget(static_cast<Control>(c)) == child)
            return static_cast<Control>(c);
    return Control::Form1;
}

QRect WindowTest::rectOf(Control control)
{
    return toQRect(inPixels(form1Definition()[control].rect));
}

std::vector<std::string> stateOf(const Form& f)
{
    std::vector<std::string> s;
    for (Control c : {Control::Label1, Control::Label2, Control::Label5})
        s.push_back(QString::fromStdU16String(f.caption(c)).toStdString());
    for (Control c : {Control::Label2, Control::List1})
        s.push_back(f.visible(c) ? "shown" : "hidden");
    s.push_back("selected " + QString::fromStdU16String(f.text(Control::List1)).toStdString());
    for (Control c : {Control::Next1, Control::Back, Control::About, Control::Label4})
        s.push_back(std::to_string(f.foreColor(c)));
    s.push_back(f.picture(Control::Image2) == f.picture(Control::Image3) ? "hover" : "rest");
    return s;
}

} // namespace zarvona

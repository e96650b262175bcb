#include "ui/qt/qt_form.h"

#include "sound/cue_player.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/decoration.h"
#include "ui/qt/dib_image.h"
#include "ui/qt/glyph_label.h"
#include "ui/qt/message_box.h"
#include "ui/qt/number_list.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/text_label.h"
#include "ui/runtime_error.h"

#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>

namespace zarvona {

namespace {

// The top-level widget: the white client area, whose own pointer movement is the window's.
class FormWindow final : public QWidget {
  public:
    explicit FormWindow(QtForm& form) : m_form(form) { setMouseTracking(true); }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        m_form.fire(Control::Form1, Event::MouseMove);
    }

  private:
    QtForm& m_form;
};

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PictureRef loadPicture(const QString& path)
{
    const QImage image = decodeBmp(resource(path));
    Q_ASSERT_X(!image.isNull(), "loadPicture", "the button pictures are built in");
    return std::make_shared<QtPicture>(QPixmap::fromImage(image));
}

float toTwips(int pixels) { return static_cast<float>(pixels * TwipsPerPixel); }

int toPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

} // namespace

QColor toQColor(Colour colour) { return {redOf(colour), greenOf(colour), blueOf(colour)}; }

QRect toQRect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

QtForm::QtForm(CuePlayer& cues, const FormDefinition& definition)
    : m_definition(definition), m_cues(cues), m_window(std::make_unique<FormWindow>(*this)),
      m_presenter(showMessageBox)
{
    installAccessibility();
    build();
}

QtForm::~QtForm() = default;

void QtForm::build()
{
    QWidget& window = *m_window;
    window.setWindowTitle(QString::fromStdU16String(std::u16string(m_definition.caption)));
    window.setWindowIcon(
        QIcon(QPixmap::fromImage(decodeIcon(resource(QStringLiteral(":/icon/zarvona.ico"))))));
    window.setFixedSize(twipsToPixels(m_definition.clientWidth),
                        twipsToPixels(m_definition.clientHeight));
    window.move(twipsToPixels(m_definition.openingLeft), twipsToPixels(m_definition.openingTop));
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, toQColor(m_definition.backColor));
    window.setPalette(colours);
    window.setAutoFillBackground(true);

    // Back to front: a widget made later lies above those made before it.
    for (auto it = m_definition.controls.rbegin(); it != m_definition.controls.rend(); ++it) {
        const ControlDefinition& d = *it;
        Slot& s = m_slots.at(static_cast<std::size_t>(d.control));
        switch (d.kind) {
        case ControlKind::Label:
            if (d.glyph != Glyph::None)
                s.widget = s.glyph = new GlyphLabel(d, *this, &window);
            else
                s.widget = s.text = new TextLabel(d, *this, &window);
            break;
        case ControlKind::Image:
            s.widget = s.picture = new PictureBox(d.control, *this, &window);
            break;
        case ControlKind::ListBox:
            // Made when first shown or read (see makeList()): it is hidden at start, and making it
            // would cost start-up the style and a hundred items.
            m_listDefinition = &d;
            continue;
        case ControlKind::Shape:
        case ControlKind::Line: s.widget = new Decoration(d, &window); break;
        }
        if (d.kind != ControlKind::Shape && d.kind != ControlKind::Line)
            s.widget->setGeometry(toQRect(inPixels(d.rect)));
        s.widget->setObjectName(QString::fromLatin1(controlName(d.control).data()));
        s.widget->setVisible(d.visible);
    }
    pictureBox(Control::Image4)
        ->setPicture(loadPicture(QStringLiteral(":/pictures/answer_rest.bmp")));
    pictureBox(Control::Image3)
        ->setPicture(loadPicture(QStringLiteral(":/pictures/answer_hover.bmp")));
}

void QtForm::fire(Control control, Event event)
{
    if (m_sink)
        m_sink(control, event);
}

void QtForm::activate(Control control)
{
    if (control != Control::Label4) {
        fire(control, Event::Click);
        return;
    }
    fire(control, Event::MouseMove);
    QWidget* list = m_slots[static_cast<std::size_t>(Control::List1)].widget;
    if (list != nullptr && list->isVisible())
        list->setFocus(Qt::OtherFocusReason);
}

void QtForm::prepareFirstUse()
{
    for (const Control control : {Control::Label2, Control::List1}) {
        QWidget* widget = slot(control).widget;
        QImage scratch(widget->size(), QImage::Format_ARGB32_Premultiplied);
        widget->render(&scratch);
    }
}

QWidget* QtForm::controlWidget(Control control) const
{
    return control == Control::Form1 ? m_window.get() : slot(control).widget;
}

const QtForm::Slot& QtForm::slot(Control control) const
{
    const Slot& s = m_slots.at(static_cast<std::size_t>(control));
    if (s.widget == nullptr && control == Control::List1 && m_listDefinition != nullptr)
        return const_cast<QtForm*>(this)->makeList();
    if (s.widget == nullptr)
        throw RuntimeError::notSupported();
    return s;
}

const QtForm::Slot& QtForm::makeList()
{
    Slot& s = m_slots.at(static_cast<std::size_t>(Control::List1));
    // Made last, it lies above every other control, where the open list belongs.
    s.widget = s.list = new NumberList(*m_listDefinition, m_window.get());
    s.list->setGeometry(toQRect(inPixels(m_listDefinition->rect)));
    s.list->setObjectName(QStringLiteral("List1"));
    s.list->setVisible(false);
    s.list->onPick([this] { fire(Control::List1, Event::Click); });
    return s;
}

PictureBox* QtForm::pictureBox(Control control) const
{
    PictureBox* picture = slot(control).picture;
    if (picture == nullptr)
        throw RuntimeError::notSupported();
    return picture;
}

std::u16string QtForm::caption(Control control) const
{
    const Slot& s = slot(control);
    if (s.text != nullptr)
        return s.text->caption();
    if (s.glyph != nullptr)
        return s.glyph->caption();
    throw RuntimeError::notSupported();
}

void QtForm::setCaption(Control control, std::u16string_view text)
{
    const Slot& s = slot(control);
    if (s.text != nullptr)
        return s.text->setCaption(text);
    if (s.glyph != nullptr)
        return s.glyph->setCaption(text);
    throw RuntimeError::notSupported();
}

bool QtForm::visible(Control control) const
{
    if (control == Control::List1 && m_slots[static_cast<std::size_t>(control)].widget == nullptr)
        return false; // not made yet, so never shown
    return !slot(control).widget->isHidden();
}

void QtForm::setVisible(Control control, bool visible)
{
    if (!visible && control == Control::List1 &&
        m_slots[static_cast<std::size_t>(control)].widget == nullptr)
        return; // hiding the list before it is first made changes nothing
    slot(control).widget->setVisible(visible);
}

std::u16string QtForm::text(Control control) const
{
    const Slot& s = slot(control);
    if (s.list == nullptr)
        throw RuntimeError::notSupported();
    return s.list->selectedText().toStdU16String();
}

Colour QtForm::foreColor(Control control) const
{
    const Slot& s = slot(control);
    if (s.glyph != nullptr)
        return s.glyph->foreColor();
    if (s.text != nullptr)
        return s.text->foreColor();
    if (s.list != nullptr)
        return s.list->foreColor();
    throw RuntimeError::notSupported();
}

void QtForm::setForeColor(Control control, Colour colour)
{
    const Slot& s = slot(control);
    if (s.glyph != nullptr)
        return s.glyph->setForeColor(colour);
    if (s.text != nullptr)
        return s.text->setForeColor(colour);
    if (s.list != nullptr)
        return s.list->setForeColor(colour);
    throw RuntimeError::notSupported();
}

PictureRef QtForm::picture(Control control) const { return pictureBox(control)->picture(); }

void QtForm::setPicture(Control control, PictureRef picture)
{
    pictureBox(control)->setPicture(std::move(picture));
}

float QtForm::width() const { return toTwips(m_window->frameGeometry().width()); }

float QtForm::height() const { return toTwips(m_window->frameGeometry().height()); }

float QtForm::screenWidth() const
{
    const QScreen* screen = m_window->screen();
    if (screen == nullptr)
        throw RuntimeError::invalidProcedureCall();
    return toTwips(screen->geometry().width());
}

float QtForm::screenHeight() const
{
    const QScreen* screen = m_window->screen();
    if (screen == nullptr)
        throw RuntimeError::invalidProcedureCall();
    return toTwips(screen->geometry().height());
}

void QtForm::move(float left, std::optional<std::int32_t> top)
{
    const QPoint origin = m_window->screen() ? m_window->screen()->geometry().topLeft() : QPoint();
    const int y = top ? origin.y() + toPixels(*top) : m_window->y();
    m_window->move(origin.x() + toPixels(left), y);
}

void QtForm::playCue(std::string_view fileName) { m_cues.play(fileName); }

int QtForm::msgBox(std::u16string_view prompt, int style)
{
    return m_presenter(m_window.get(), m_window->windowTitle(),
                       QString::fromStdU16String(std::u16string(prompt)), style);
}

} // namespace zarvona

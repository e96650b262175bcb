#include "window/form/qt_form.h"

#include "ui/runtime_error.h"
#include "window/access/accessibility.h"
#include "window/access/tool_tip.h"
#include "window/controls/decoration.h"
#include "window/controls/glyph_label.h"
#include "window/controls/number_list.h"
#include "window/controls/picture_box.h"
#include "window/controls/text_label.h"
#include "window/form/message_box.h"
#include "window/graphics/dib_image.h"
#include "window/graphics/qt_conversions.h"
#include "window/graphics/qt_picture.h"

#include <QAbstractScrollArea>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>

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

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ActivationChange && isActiveWindow())
            noteActivation(this);
        QWidget::changeEvent(event);
    }

    // Tab and Shift+Tab, from whichever control has the focus.
    bool focusNextPrevChild(bool next) override { return m_form.keyboard().moveFocus(next); }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (m_form.keyboard().windowKey(*event))
            event->accept();
        else
            QWidget::keyPressEvent(event);
    }

    // Ctrl with the wheel: a notch, or a touchpad's swipe as long as one, is a step of the
    // window's size.
    void wheelEvent(QWheelEvent* event) override
    {
        if (!(event->modifiers() & Qt::ControlModifier)) {
            QWidget::wheelEvent(event);
            return;
        }
        event->accept();
        m_wheel += event->angleDelta().y();
        for (; m_wheel >= QWheelEvent::DefaultDeltasPerStep;
             m_wheel -= QWheelEvent::DefaultDeltasPerStep)
            m_form.changeScale(ScaleChange::Larger);
        for (; m_wheel <= -QWheelEvent::DefaultDeltasPerStep;
             m_wheel += QWheelEvent::DefaultDeltasPerStep)
            m_form.changeScale(ScaleChange::Smaller);
    }

  private:
    QtForm& m_form;
    int m_wheel = 0;
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
    QString sharper = path;
    sharper.replace(QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"));
    return std::make_shared<QtPicture>(QPixmap::fromImage(image),
                                       QFile::exists(sharper) ? sharper : QString());
}

float toTwips(int pixels) { return static_cast<float>(pixels * TwipsPerPixel); }

} // namespace

// Runs the idle work a moment after the last reason for it: by then the paint a click asked for
// is done and its pixels are with the display server, which needs the processor to show them
// more than the work does. One timer, started again by each reason, never left running.
class QtForm::IdleQueue final : public QObject {
  public:
    explicit IdleQueue(QtForm& form) : QObject(form.window()), m_form(form)
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(SettleMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_form.m_idleWork)
                m_form.m_idleWork();
        });
    }

    void post() { m_timer.start(); }

  private:
    static constexpr int SettleMs = 25;
    QtForm& m_form;
    QTimer m_timer;
};

QtForm::QtForm(CueSink cues, const FormDefinition& definition)
    : m_definition(definition), m_cues(std::move(cues)),
      m_window(std::make_unique<FormWindow>(*this)), m_presenter(showMessageBox)
{
    installAccessibility();
    build();
    m_keyboard = std::make_unique<Keyboard>(*this, m_definition);
    m_scale = std::make_unique<WindowScale>(*m_window);
    new ToolTips(*m_window); // owned by the window
    m_idleQueue = new IdleQueue(*this);
}

QtForm::~QtForm() = default;

void QtForm::build()
{
    QWidget& window = *m_window;
    window.setWindowTitle(QString::fromStdU16String(std::u16string(m_definition.caption)));
    window.setObjectName(QString::fromLatin1(controlName(Control::Form1).data()));
    // The program file's 32-pixel icon; the drawn sizes join it once the window shows (see
    // prepareFirstUse()).
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
        const auto keep = [&s](auto* widget) {
            s.widget = widget;
            s.properties = widget;
        };
        switch (d.kind) {
        case ControlKind::Label:
            if (d.glyph != Glyph::None)
                keep(new GlyphLabel(d, *this, &window));
            else
                keep(new TextLabel(d, coversOf(m_definition, d.control), *this, &window));
            break;
        case ControlKind::Image: keep(new PictureBox(d, *this, &window)); break;
        case ControlKind::ListBox:
            // Made when first shown or asked for (see madeSlot()): it is hidden at start, and
            // making it would cost start-up the style and a hundred items.
            m_listDefinition = &d;
            m_listBeforeMade = std::make_unique<ListBeforeMade>(d.foreColor);
            s.properties = m_listBeforeMade.get();
            continue;
        case ControlKind::Shape:
        case ControlKind::Line: keep(new Decoration(d, &window)); break;
        }
        if (d.kind != ControlKind::Shape && d.kind != ControlKind::Line)
            s.widget->setGeometry(toQRect(inPixels(d.rect)));
        s.widget->setObjectName(QString::fromLatin1(controlName(d.control).data()));
        if (!d.spokenName.empty())
            s.widget->setAccessibleName(QString::fromStdU16String(std::u16string(d.spokenName)));
        if (!d.keys.empty())
            s.widget->setAccessibleDescription(QString::fromStdU16String(std::u16string(d.keys)));
        s.widget->setVisible(d.visible);
    }
    exposeSpeech(&window, m_definition);
    for (const ControlDefinition& d : m_definition.controls)
        if (!d.picture.empty())
            setPicture(d.control, loadPicture(QStringLiteral(":/pictures/") +
                                              QString::fromLatin1(d.picture.data(),
                                                                  qsizetype(d.picture.size()))));
}

void QtForm::fire(Control control, Event event)
{
    if (m_sink)
        m_sink(control, event);
    noteAction(m_window.get(), control, event);
    if (event == Event::Click)
        m_idleQueue->post();
}

void QtForm::activate(Control control)
{
    if (!m_definition[control].opensList) {
        fire(control, Event::Click);
        return;
    }
    fire(control, Event::MouseMove);
    if (m_list != nullptr && !m_list->isHidden())
        m_list->takeFocus();
}

void QtForm::prepareFirstUse()
{
    // The drawn sizes of the icon, for docks and task bars. Read as PNG only, so that Qt decodes
    // them itself rather than loading every image plug-in to ask which of them knows the file;
    // even so, a reader looks through the plug-ins' list, which start-up is spared.
    QIcon icon = m_window->windowIcon();
    for (int size : {16, 24, 48, 64}) {
        QFile png(QStringLiteral(":/icon/hicolor/zarvona-%1.png").arg(size));
        QImageReader reader(&png, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    m_window->setWindowIcon(icon);

    // Every control hidden at start that shows text: the answer, the list.
    for (const ControlDefinition& d : m_definition.controls) {
        const bool text = d.kind == ControlKind::ListBox ||
                          (d.kind == ControlKind::Label && d.glyph == Glyph::None);
        if (d.visible || !text)
            continue;
        QWidget* widget = madeSlot(d.control).widget;
        // Work-around for Qt 6.4's Windows styles: they draw a scroll bar through the window's own
        // device context, whatever the painter paints on, so rendering the hidden list (even its
        // rows alone, which set the scroll bar going) would put its scroll bar on the screen.
        // There the list is made ahead but first painted when it shows. It can go once those
        // styles draw a scroll bar rendered into an image into the image alone.
        if (qobject_cast<QAbstractScrollArea*>(widget) != nullptr &&
            widget->style()->name().startsWith(u"windows", Qt::CaseInsensitive))
            continue;
        QImage scratch(widget->size(), QImage::Format_ARGB32_Premultiplied);
        widget->render(&scratch);
    }
}

void QtForm::prepareCaptions(Control control, const std::vector<std::u16string>& captions)
{
    if (auto* label = dynamic_cast<TextLabel*>(slot(control).widget))
        label->prepare(captions);
}

int QtForm::pointedNumber() const { return m_list != nullptr ? m_list->pointedNumber() : 0; }

QWidget* QtForm::controlWidget(Control control)
{
    return control == Control::Form1 ? m_window.get() : madeSlot(control).widget;
}

const QtForm::Slot& QtForm::slot(Control control) const
{
    const Slot& s = m_slots.at(static_cast<std::size_t>(control));
    if (s.properties == nullptr)
        throw RuntimeError::notSupported();
    return s;
}

const QtForm::Slot& QtForm::madeSlot(Control control)
{
    Slot& s = m_slots.at(static_cast<std::size_t>(control));
    if (s.widget != nullptr || m_listDefinition == nullptr || control != m_listDefinition->control)
        return slot(control);
    // Made last, it lies above every other control, where the open list belongs.
    m_list = new NumberList(*m_listDefinition, m_window.get());
    m_list->setGeometry(toQRect(inPixels(m_listDefinition->rect)));
    m_list->setObjectName(QString::fromLatin1(controlName(control).data()));
    m_list->setVisible(false);
    m_list->onPick([this, control] { fire(control, Event::Click); });
    m_list->onPoint([this] { m_idleQueue->post(); });
    m_list->setAccessibleName(
        QString::fromStdU16String(std::u16string(m_listDefinition->spokenName)));
    s.widget = m_list;
    s.properties = m_list;
    return s;
}

std::u16string QtForm::caption(Control control) const
{
    return slot(control).properties->caption();
}

void QtForm::setCaption(Control control, std::u16string_view text)
{
    madeSlot(control).properties->setCaption(text);
}

bool QtForm::visible(Control control) const
{
    const Slot& s = slot(control);
    return s.widget != nullptr && !s.widget->isHidden(); // the list is hidden until it is made
}

void QtForm::setVisible(Control control, bool visible)
{
    if (!visible && slot(control).widget == nullptr)
        return; // hiding the list before it is first made changes nothing
    madeSlot(control).widget->setVisible(visible);
}

std::u16string QtForm::text(Control control) const { return slot(control).properties->text(); }

Colour QtForm::foreColor(Control control) const { return slot(control).properties->foreColor(); }

void QtForm::setForeColor(Control control, Colour colour)
{
    madeSlot(control).properties->setForeColor(colour);
}

PictureRef QtForm::picture(Control control) const { return slot(control).properties->picture(); }

void QtForm::setPicture(Control control, PictureRef picture)
{
    madeSlot(control).properties->setPicture(std::move(picture));
}

QMargins QtForm::frameNotCounted() const
{
    return m_window->frameGeometry() == m_window->geometry() ? m_expectedFrame : QMargins();
}

QSize QtForm::outerSize() const
{
    return m_window->frameGeometry().size().grownBy(frameNotCounted());
}

float QtForm::width() const { return toTwips(outerSize().width()); }

float QtForm::height() const { return toTwips(outerSize().height()); }

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
    // Until Qt counts the frame, a move places the client area: it goes inside the frame.
    const QMargins frame = frameNotCounted();
    const QPoint origin = m_window->screen() ? m_window->screen()->geometry().topLeft() : QPoint();
    const int y = top ? origin.y() + twipsToPixels(*top) + frame.top() : m_window->y();
    m_window->move(origin.x() + twipsToPixels(left) + frame.left(), y);
}

void QtForm::playCue(std::string_view fileName)
{
    if (m_cues)
        m_cues(fileName);
}

int QtForm::msgBox(std::u16string_view prompt, int style)
{
    return m_presenter(m_window.get(), m_window->windowTitle(),
                       QString::fromStdU16String(std::u16string(prompt)), style);
}

} // namespace zarvona

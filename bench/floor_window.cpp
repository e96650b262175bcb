// The floor for the clicks measured from outside: a bare Qt window of the riddle book's size and
// title, made of Qt's own widgets only, whose labels change on a click at the book's places. A
// click where Next and Back lie steps the counter (it wraps from 100 to 1 and back) and hides
// the answer; a click where the reveal picture lies shows the answer; pointing where the list's
// opener lies shows a list of the numbers 1 to 100 in the book's pop-up place, and a click on
// one of them sets the counter to it and hides the list and the answer. The labels hold the
// texts the book shows, in its faces and sizes: the number, the riddle's question, which changes
// with every move as the book's does, and its answer.
#include "riddles/riddle_catalogue.h"
#include "ui/form_definition.h"
#include "window/graphics/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace {

using zarvona::Control;

QRect placeOf(Control control)
{
    const zarvona::PixelRect r = zarvona::inPixels(zarvona::form1Definition()[control].rect);
    return {r.left, r.top, r.width, r.height};
}

QLabel* labelAt(Control control, QWidget* parent)
{
    const zarvona::ControlDefinition& d = zarvona::form1Definition()[control];
    auto* label = new QLabel(parent);
    label->setGeometry(placeOf(control));
    label->setFont(zarvona::fontFor(d.font, d.rightToLeft));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setLayoutDirection(d.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

class FloorWindow final : public QWidget {
  public:
    FloorWindow()
        : m_question(labelAt(Control::Label1, this)), m_counter(labelAt(Control::Label5, this)),
          m_answer(labelAt(Control::Label2, this)), m_list(new QListWidget(this))
    {
        setWindowTitle(QStringLiteral("Zarvona"));
        setFixedSize(475, 305);
        setMouseTracking(true);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, Qt::white);
        setPalette(colours);
        m_answer->hide();
        showRiddle(1);

        const zarvona::ControlDefinition& list = zarvona::form1Definition()[Control::List1];
        m_list->setGeometry(placeOf(Control::List1));
        m_list->setFont(zarvona::fontFor(list.font, false));
        m_list->setLayoutDirection(Qt::RightToLeft);
        m_list->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_list->setUniformItemSizes(true);
        const int rowHeight = (placeOf(Control::List1).height() - 2) / list.listVisibleRows;
        for (int i = 1; i <= zarvona::RiddleCount; ++i) {
            auto* item = new QListWidgetItem(QString::number(i), m_list);
            item->setSizeHint(QSize(0, rowHeight));
        }
        m_list->hide();
        connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            showRiddle(item->text().toInt());
            m_list->hide();
        });
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (placeOf(Control::Next1).contains(at))
            showRiddle(m_number % zarvona::RiddleCount + 1);
        else if (placeOf(Control::Back).contains(at))
            showRiddle(m_number == 1 ? zarvona::RiddleCount : m_number - 1);
        else if (placeOf(Control::Image2).contains(at))
            m_answer->show();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (placeOf(Control::Label4).contains(at))
            m_list->show();
        else if (!m_list->geometry().contains(at))
            m_list->hide();
    }

  private:
    void showRiddle(int number)
    {
        m_number = number;
        m_counter->setText(QString::number(number));
        m_question->setText(
            QString::fromStdU16String(std::u16string(zarvona::findRiddle(number)->question)));
        m_answer->hide();
        m_answer->setText(
            QString::fromStdU16String(std::u16string(zarvona::findRiddle(number)->answer)));
    }

    QLabel* m_question;
    QLabel* m_counter;
    QLabel* m_answer;
    QListWidget* m_list;
    int m_number = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FloorWindow window;
    window.show();
    return QApplication::exec();
}

#include "app/first_use.h"

#include "riddles/riddle_catalogue.h"
#include "sound/cue_player.h"
#include "ui/conversions.h"
#include "ui/riddle_count.h"
#include "ui/runtime_error.h"
#include "window/form/qt_form.h"

#include <QEvent>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

namespace zarvona {

namespace {

// The riddle a step of Next (+1) or Back (-1) leads to from the given one, wrapping as a click
// does.
const RiddleEntry& stepped(const RiddleEntry& from, int direction)
{
    const Wrap wrap = wrapOf(direction);
    const int number = from.number == wrap.at ? wrap.to : from.number + direction;
    return RiddleCatalogue[static_cast<std::size_t>(number - 1)];
}

// Watches the window for its first paint, then removes itself. The preparation is queued behind
// that paint and whatever else is waiting, so the picture reaches the screen first.
class FirstPaintWatch final : public QObject {
  public:
    FirstPaintWatch(QtForm& form, CuePlayer& cues)
        : QObject(form.window()), m_form(form), m_cues(cues)
    {
        form.window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == m_form.window()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_cues.prepare();
                m_form.prepareFirstUse();
                prepareNextMoves(m_form);
                // The window's icon and the list's scroll bar leave pixmaps in Qt's cache that
                // nothing holds; left there, its timer wakes the idle program 30 s later to
                // drop them.
                QPixmapCache::clear();
                deleteLater();
            });
        }
        return false;
    }

  private:
    QtForm& m_form;
    CuePlayer& m_cues;
};

} // namespace

void prepareAfterFirstPaint(QtForm& form, CuePlayer& cues)
{
    new FirstPaintWatch(form, cues);
    form.setIdleWork([&form] { prepareNextMoves(form); });
}

void prepareNextMoves(QtForm& form)
{
    const RiddleEntry* showing = nullptr;
    try {
        showing = findRiddle(textToNumber(form.caption(Control::Label5)));
    } catch (const RuntimeError&) {
        // A counter that holds no number: no move leads anywhere to prepare for.
    }
    std::vector<std::u16string> questions, answers, numbers;
    if (showing != nullptr) {
        answers.emplace_back(showing->answer);
        std::vector<const RiddleEntry*> reached = {&stepped(*showing, 1), &stepped(*showing, -1)};
        if (const RiddleEntry* pointed = findRiddle(form.pointedNumber()))
            reached.push_back(pointed);
        for (const RiddleEntry* riddle : reached) {
            questions.emplace_back(riddle->question);
            answers.emplace_back(riddle->answer);
            numbers.push_back(numberToText(riddle->number));
        }
    }
    form.prepareCaptions(Control::Label1, questions);
    form.prepareCaptions(Control::Label2, answers);
    form.prepareCaptions(Control::Label5, numbers);
}

} // namespace zarvona

#include "app/first_use.h"

#include "sound/cue_player.h"
#include "window/qt_form.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zarvona {

namespace {

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

void prepareAfterFirstPaint(QtForm& form, CuePlayer& cues) { new FirstPaintWatch(form, cues); }

} // namespace zarvona

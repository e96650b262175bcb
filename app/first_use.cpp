#include "app/first_use.h"

#include "sound/cue_player.h"
#include "window/form/qt_form.h"

#include <QEvent>
#include <QPixmapCache>
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

void prepareAfterFirstPaint(QtForm& form, CuePlayer& cues) { new FirstPaintWatch(form, cues); }

} // namespace zarvona

#include "app/cue_after_paint.h"

#include "sound/cue_player.h"

#include <QCoreApplication>
#include <QEvent>

#include <string>

namespace zarvona {

namespace {

const QEvent::Type CueType = static_cast<QEvent::Type>(QEvent::registerEventType());

class CueEvent final : public QEvent {
  public:
    explicit CueEvent(std::string_view fileName) : QEvent(CueType), fileName(fileName) {}
    const std::string fileName;
    bool passedOnce = false;
};

// Below the priority at which Qt posts a window's update request.
constexpr int AfterThePaint = Qt::LowEventPriority - 1;

} // namespace

void CueAfterPaint::play(std::string_view fileName)
{
    QCoreApplication::postEvent(this, new CueEvent(fileName), AfterThePaint);
}

bool CueAfterPaint::event(QEvent* event)
{
    if (event->type() != CueType)
        return QObject::event(event);
    auto* cue = static_cast<CueEvent*>(event);
    // A widget that the click shows asks for its paint in two steps (an update-later event that
    // then posts the update request), so the cue passes once more behind what is posted by then.
    if (!cue->passedOnce) {
        auto* again = new CueEvent(cue->fileName);
        again->passedOnce = true;
        QCoreApplication::postEvent(this, again, AfterThePaint);
        return true;
    }
    m_player.play(cue->fileName);
    return true;
}

} // namespace zarvona

// Plays each cue once the window has shown what the click changed, not before. Qt paints a
// window from a posted update request of low priority; a cue is posted below it, and passed
// once more behind what that posts, so the paint comes first and the sound follows. On a busy
// processor the cue's work (the sound library reading the file and reaching the device or server)
// then waits for the paint rather than the paint for it. The sound starts later by the paint's
// time, about a millisecond, which no ear tells. A cue asked for when nothing is to be painted
// plays as soon as the loop runs; one still waiting when the program ends is dropped with it.
// The order is Qt 6.4's (the update request posted at low priority, a shown widget's update-later
// event before it); a Qt that posts its paints otherwise fails the first-use test, which checks
// that the cue follows the paint.
#pragma once

#include <QObject>

#include <string_view>

namespace zarvona {

class CuePlayer;

class CueAfterPaint final : public QObject {
  public:
    explicit CueAfterPaint(CuePlayer& player) : m_player(player) {}
    void play(std::string_view fileName);

  protected:
    bool event(QEvent* event) override;

  private:
    CuePlayer& m_player;
};

} // namespace zarvona

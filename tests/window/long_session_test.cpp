// A long random session: pointer moves and clicks anywhere over the real window (the list's
// items and scroll bar, the About box included), each given as well to the in-memory model
// through the definition's routing. After every step both must be in the same state, the book's
// invariants must hold, and the same cue must have sounded. The process's resident memory after
// the last event must be within 1 MiB of what it was after the first 2,000: nothing a click or a
// move does may accumulate.
//
// ZARVONA_SESSION_EVENTS sets the number of events (continuous integration runs 100,000); the
// default keeps the test suite quick.
#include "window_fixture.h"

#include "app/window_wiring.h"
#include "riddles/riddle_catalogue.h"
#include "shell/event_table.h"
#include "shell/form_load.h"
#include "tests/support/book_invariants.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "tests/support/points.h"
#include "ui/runtime_error.h"
#include "window/controls/number_list.h"

#include <QScrollBar>

#include <cstdlib>
#include <fstream>
#include <random>

namespace zarvona {
namespace {

constexpr long WarmUpEvents = 2000;
constexpr long MemoryAllowance = 1024 * 1024;

long sessionEvents()
{
    const char* wanted = std::getenv("ZARVONA_SESSION_EVENTS");
    return wanted != nullptr && std::atol(wanted) > WarmUpEvents ? std::atol(wanted) : 6000;
}

long residentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * 4096;
}

// The address sanitizer keeps freed memory in quarantine by design, and the thread sanitizer
// keeps a history of accesses that grows as it runs, so memory is judged only in an ordinary
// build.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool MemoryIsMeaningful = false;
#else
constexpr bool MemoryIsMeaningful = true;
#endif

// Counts cues and keeps the last one, so that the session's own records do not grow.
class CountingCuePlayer final : public CuePlayer {
  public:
    void play(std::string_view fileName) override
    {
        ++count;
        last = fileName;
    }
    long count = 0;
    std::string last;
};

class LongSession : public WindowTest {
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        real = std::make_unique<QtForm>([this](std::string_view name) { countingCues.play(name); });
        real->setMessagePresenter([this](QWidget*, const QString&, const QString&, int) {
            ++boxes;
            return 1;
        });
        wireEvents(*real);
        real->fire(Control::Form1, Event::Load);
        real->window()->show();
        form.reset(); // the fixture's window is replaced by one whose records stay flat
        form = std::move(real);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->window()));
    }

    // The list item under a window point: none over the border or the scroll bar, and
    // "partly" over a row the list shows only in part, which a press first scrolls into view,
    // so that the release lands on another row and nothing is picked (Qt's list, not ours).
    struct ListSpot {
        std::optional<int> item;
        bool partly = false;
    };
    ListSpot listSpotAt(QPoint point) const
    {
        auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
        const QPoint inside = list->viewport()->mapFrom(form->window(), point);
        const QModelIndex index = list->indexAt(inside);
        if (!index.isValid())
            return {};
        return {index.row(), !list->viewport()->rect().contains(list->visualRect(index))};
    }

    CountingCuePlayer countingCues;
    std::unique_ptr<QtForm> real;
    long boxes = 0;
};

TEST_F(LongSession, TheWindowFollowsTheModelAndItsMemoryStaysFlat)
{
    const long events = sessionEvents();
    MemoryForm model;
    Form_Load(model);
    const auto fail = [](const RuntimeError& e) { FAIL() << e.what(); };
    RandomSession session(2026, 3);
    long sent = 0, moves = 0, picks = 0, reveals = 0, abouts = 0;
    long afterWarmUp = 0;
    QWindow* window = form->window()->windowHandle();
    for (long step = 0; sent < events; ++step) {
        const auto [at, click] = session.next();
        int x = at.x;
        const int y = at.y;
        if (x == 0 && y == 0)
            x = 1; // QTest takes the null point for the window's centre
        const QPoint point(x, y);
        QTest::mouseMove(window, point);
        QApplication::processEvents();
        ++sent;
        raiseEvent(model, controlAt(model, x, y), Event::MouseMove, fail);
        const long cuesBefore = countingCues.count;
        const bool wasShowing = model.visible(Control::Label2);
        const Control target = controlUnder(point);
        bool moved = false;
        const ListSpot spot = target == Control::List1 ? listSpotAt(point) : ListSpot{};
        if (click && !spot.partly) {
            const std::optional<int> item = spot.item;
            QTest::mouseClick(window, Qt::LeftButton, {}, point);
            QApplication::processEvents();
            sent += 2; // a press and a release
            if (target != Control::List1 || item) {
                if (item)
                    model.selectListItem(*item);
                raiseEvent(model, target, Event::Click, fail);
            }
            moved = target == Control::Next1 || target == Control::Back || item.has_value();
            moves += moved;
            picks += item.has_value();
            reveals += target == Control::Image2 && !wasShowing;
            abouts += target == Control::About;
        }

        ASSERT_EQ(stateOf(*form), stateOf(model)) << "step " << step << " at " << x << "," << y;
        ASSERT_EQ(countingCues.count - cuesBefore, static_cast<long>(model.cues().size()))
            << "step " << step;
        if (!model.cues().empty()) {
            ASSERT_EQ(countingCues.last, model.cues().back()) << "step " << step;
        }
        ASSERT_EQ(brokenInvariant(*form), "") << "step " << step;
        if (moved) {
            ASSERT_FALSE(form->visible(Control::Label2)) << "step " << step;
        }
        model.clearRecords();
        if (afterWarmUp == 0 && sent >= WarmUpEvents)
            afterWarmUp = residentBytes();
    }
    const long atEnd = residentBytes();
    std::printf("%ld events: %ld moves (%ld picks), %ld first reveals, %ld About boxes; "
                "resident %.2f MiB after %ld, %.2f MiB at the end\n",
                sent, moves, picks, reveals, abouts, afterWarmUp / 1048576.0, WarmUpEvents,
                atEnd / 1048576.0);
    EXPECT_GT(moves, sent / 100);
    EXPECT_GT(picks, 0);
    EXPECT_GT(reveals, 0);
    EXPECT_EQ(boxes, abouts);
    if (MemoryIsMeaningful) {
        EXPECT_LE(atEnd - afterWarmUp, MemoryAllowance);
    }
}

} // namespace
} // namespace zarvona

// Texts laid out ahead of a move are the ones the move paints, and paint as texts laid out on the
// spot do; what a move elsewhere made useless is let go.
#include "window_fixture.h"

#include "app/first_use.h"
#include "riddles/riddle_catalogue.h"
#include "riddles/show_riddle.h"
#include "window/controls/text_label.h"

namespace zarvona {
namespace {

using PreparedLayoutTest = WindowTest;

const RiddleEntry& riddle(int number) { return RiddleCatalogue[number - 1]; }

TEST_F(PreparedLayoutTest, AMovePaintsTheTextsPreparedForIt)
{
    const auto label = [&](Control c) { return dynamic_cast<TextLabel*>(form->controlWidget(c)); };
    const struct {
        const char16_t* from;
        Control button;
        int to;
        std::vector<int> stale; // questions prepared before the move that none after it needs
    } cases[] = {
        {u"19", Control::Next1, 20, {18}},        {u"20", Control::Back, 19, {21}},
        {u"100", Control::Next1, 1, {99}},        {u"1", Control::Back, 100, {2}},
        {u"40", Control::List1, 3, {39, 40, 41}}, // the number pointed at
    };
    for (const auto& c : cases) {
        form->setCaption(Control::Label5, c.from);
        click(Control::Next1); // to show something other than the case's start
        click(Control::Back);
        if (c.button == Control::List1) {
            moveTo(centreOf(Control::Label4));
            moveTo(at::listItem3);
        }
        prepareNextMoves(*form); // as when the window is idle
        const std::u16string number = toUtf16(std::to_string(c.to));
        const std::pair<Control, std::u16string> texts[] = {
            {Control::Label1, std::u16string(riddle(c.to).question)},
            {Control::Label2, std::u16string(riddle(c.to).answer)},
            {Control::Label5, number}};
        std::vector<const QTextLayout*> prepared;
        for (const auto& [control, text] : texts)
            prepared.push_back(label(control)->preparedLayout(text));

        click(c.button, c.button == Control::List1 ? at::listItem3 : centreOf(c.button));
        click(Control::Image2);
        ASSERT_EQ(counter(), number);
        RecordingCuePlayer otherCues;
        QtForm fresh([&otherCues](std::string_view name) { otherCues.play(name); });
        fresh.setCaption(Control::Label5, number);
        ShowRiddle(fresh);
        fresh.setVisible(Control::Label2, true);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            const Control control = texts[i].first;
            const std::string which = controlName(control).data() + (" to " + std::to_string(c.to));
            EXPECT_NE(prepared[i], nullptr) << which;
            EXPECT_EQ(&label(control)->textLayout(), prepared[i]) << which;
            EXPECT_EQ(label(control)->grab().toImage(),
                      fresh.controlWidget(control)->grab().toImage())
                << which;
        }

        // Once the window is idle again, what only the riddle left needed is let go.
        prepareNextMoves(*form);
        for (const int left : c.stale)
            EXPECT_EQ(label(Control::Label1)->preparedLayout(riddle(left).question), nullptr)
                << left;
    }
}

TEST_F(PreparedLayoutTest, TheWindowPreparesOnceAfterClicksInARow)
{
    int runs = 0;
    form->setIdleWork([&] {
        ++runs;
        prepareNextMoves(*form);
    });
    click(Control::Next1);
    click(Control::Next1);
    EXPECT_EQ(runs, 0) << "prepared before the window was idle";
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }));
    EXPECT_EQ(runs, 1);
    auto* question = dynamic_cast<TextLabel*>(form->controlWidget(Control::Label1));
    EXPECT_NE(question->preparedLayout(riddle(4).question), nullptr);
    EXPECT_NE(question->preparedLayout(riddle(2).question), nullptr);
}

} // namespace
} // namespace zarvona

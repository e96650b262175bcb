// The compiled-in catalogue against the book's data rules: the checks that would catch a
// mangled build step (lost breaks, wrong encoding) as well as a bad edit of catalogue.json.
#include "riddles/riddle_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

namespace zarvona {
namespace {

constexpr char16_t CR = u'\r';
constexpr char16_t LF = u'\n';
constexpr char16_t Tatweel = u'\u0640';
constexpr char16_t ArabicQuestionMark = u'\u061F';

bool allowed(char16_t c)
{
    if ((c >= 0x0621 && c <= 0x063A) || (c >= 0x0640 && c <= 0x064A))
        return true; // letters and tatweel
    if (c == 0x064B || c == 0x064D || c == 0x064E || c == 0x064F || c == 0x0651 || c == 0x0652)
        return true; // the harakat in use
    if (c == 0x060C || c == 0x061B || c == 0x061F || c == 0x00D7 || c == CR || c == LF)
        return true;
    return (c >= u'0' && c <= u'9') ||
           std::u16string_view(u" !()*+./:=").find(c) != std::u16string_view::npos;
}

struct Text {
    int number;
    bool question;
    std::u16string_view text;
};

std::vector<Text> allTexts()
{
    std::vector<Text> texts;
    for (const RiddleEntry& e : RiddleCatalogue) {
        texts.push_back({e.number, true, e.question});
        texts.push_back({e.number, false, e.answer});
    }
    return texts;
}

std::string where(const Text& t)
{
    return "entry " + std::to_string(t.number) + (t.question ? " question" : " answer");
}

TEST(Catalogue, HoldsEveryEntryNumberedInOrder)
{
    for (std::size_t i = 0; i < RiddleCatalogue.size(); ++i)
        EXPECT_EQ(RiddleCatalogue[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(findRiddle(0), nullptr);
    EXPECT_EQ(findRiddle(RiddleCount + 1), nullptr);
    EXPECT_EQ(findRiddle(7.5), nullptr);
    EXPECT_EQ(findRiddle(RiddleCount)->number, RiddleCount);
}

TEST(Catalogue, TextsAreNonEmptyDistinctAndUseOnlyTheBooksCharacters)
{
    std::set<std::u16string_view> questions, answers;
    std::set<char16_t> used;
    for (const Text& t : allTexts()) {
        EXPECT_FALSE(t.text.empty()) << where(t);
        EXPECT_TRUE((t.question ? questions : answers).insert(t.text).second) << where(t);
        for (char16_t c : t.text) {
            EXPECT_TRUE(allowed(c)) << where(t) << " has U+" << std::hex << int(c);
            used.insert(c);
        }
    }
    EXPECT_EQ(used.size(), 69u);
}

TEST(Catalogue, LineBreaksStandOnlyWhereTheyBelongAndNeverAsPairs)
{
    // (entry, question?) -> break characters and the length of each line
    const std::map<std::pair<int, bool>, std::pair<std::u16string, std::vector<std::size_t>>>
        breaks = {
            {{32, true}, {u"\n", {27, 21}}},   {{45, true}, {u"\r", {57, 23}}},
            {{47, true}, {u"\r", {26, 39}}},   {{77, true}, {u"\r\r", {11, 56, 22}}},
            {{97, false}, {u"\r", {126, 26}}},
        };
    for (const Text& t : allTexts()) {
        std::u16string separators;
        std::vector<std::size_t> lines{0};
        for (char16_t c : t.text) {
            if (c == CR || c == LF) {
                separators += c;
                lines.push_back(0);
            } else {
                ++lines.back();
            }
        }
        const auto expected = breaks.find({t.number, t.question});
        if (expected == breaks.end()) {
            EXPECT_TRUE(separators.empty()) << where(t);
        } else {
            EXPECT_EQ(separators, expected->second.first) << where(t);
            EXPECT_EQ(lines, expected->second.second) << where(t);
        }
    }
}

TEST(Catalogue, SpacesAndEndingsFollowTheBooksRules)
{
    const std::set<int> questionsWithoutMark = {1, 32, 45, 47};
    for (const Text& t : allTexts()) {
        const bool leadingSpaceAllowed = t.number == 45 && t.question;
        EXPECT_EQ(t.text.front() == u' ', leadingSpaceAllowed) << where(t);
        EXPECT_NE(t.text.back(), u' ') << where(t);
        if (!(t.number == 47 && t.question)) {
            EXPECT_EQ(t.text.find(u"  "), std::u16string_view::npos) << where(t);
        }
        const bool endsWithMark = t.text.back() == ArabicQuestionMark;
        if (t.question) {
            EXPECT_EQ(endsWithMark, !questionsWithoutMark.contains(t.number)) << where(t);
        } else {
            EXPECT_EQ(endsWithMark, t.number == 95) << where(t);
        }
    }
}

TEST(Catalogue, TatweelAndArithmeticSignsOnlyWhereTheyBelong)
{
    const std::set<std::pair<int, bool>> tatweel = {
        {8, true}, {16, true}, {47, true}, {20, false}, {26, false}, {41, false}, {86, false}};
    const std::map<char16_t, std::set<std::pair<int, bool>>> signs = {
        {u'+', {{18, true}, {18, false}, {19, true}, {19, false}}},
        {u'=', {{18, true}, {18, false}, {19, true}, {19, false}, {88, false}}},
        {u'/', {{87, false}}},
        {u'\u00D7', {{88, false}}},
    };
    for (const Text& t : allTexts()) {
        const std::pair<int, bool> key{t.number, t.question};
        EXPECT_EQ(t.text.find(Tatweel) != std::u16string_view::npos, tatweel.contains(key))
            << where(t);
        for (const auto& [sign, places] : signs)
            if (t.text.find(sign) != std::u16string_view::npos) {
                EXPECT_TRUE(places.contains(key)) << where(t) << " has a sign out of place";
            }
    }
    for (int k : {18, 19}) {
        const std::u16string both = std::u16string(RiddleCatalogue[k - 1].question) +
                                    std::u16string(RiddleCatalogue[k - 1].answer);
        EXPECT_NE(both.find(u'+'), std::u16string::npos) << k;
        EXPECT_NE(both.find(u'='), std::u16string::npos) << k;
    }
}

TEST(Catalogue, ExtremesOfLengthBelongToTheirEntries)
{
    auto length = [](std::u16string_view s) { return s.size(); };
    auto byQuestion = [&](const RiddleEntry& a, const RiddleEntry& b) {
        return length(a.question) < length(b.question);
    };
    auto byAnswer = [&](const RiddleEntry& a, const RiddleEntry& b) {
        return length(a.answer) < length(b.answer);
    };
    const auto& c = RiddleCatalogue;
    EXPECT_EQ(std::min_element(c.begin(), c.end(), byQuestion)->number, 20);
    EXPECT_EQ(std::max_element(c.begin(), c.end(), byQuestion)->number, 97);
    EXPECT_EQ(std::min_element(c.begin(), c.end(), byAnswer)->number, 40);
    EXPECT_EQ(std::max_element(c.begin(), c.end(), byAnswer)->number, 97);
    EXPECT_EQ(c[19].question.size(), 12u);
    EXPECT_EQ(c[96].question.size(), 239u);
    EXPECT_EQ(c[39].answer.size(), 4u);
    EXPECT_EQ(c[96].answer.size(), 153u);
    for (const RiddleEntry& e : c) {
        if (e.number != 20) {
            EXPECT_GT(e.question.size(), 12u) << e.number;
        }
        if (e.number != 97) {
            EXPECT_LT(e.answer.size(), 153u) << e.number;
        }
    }
}

TEST(Catalogue, SizesAndMarksHoldTheirExactFigures)
{
    const auto isMark = [](char16_t c) { return c >= 0x064B && c <= 0x0652; };
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    std::vector<std::size_t> lengths[2];
    std::map<char16_t, int> marks;
    int withMarks[2] = {}, withDigits[2] = {};
    for (const Text& t : allTexts()) {
        lengths[t.question].push_back(t.text.size());
        for (char16_t c : t.text)
            marks[c] += isMark(c) ? 1 : 0;
        withMarks[t.question] += std::ranges::any_of(t.text, isMark) ? 1 : 0;
        withDigits[t.question] += std::ranges::any_of(t.text, isDigit) ? 1 : 0;
    }
    const struct {
        bool question;
        double median;
        int over100, total, withMarks, withDigits;
    } figures[] = {{true, 50, 17, 6502, 26, 14}, {false, 17.5, 3, 2984, 13, 8}};
    for (const auto& f : figures) {
        std::vector<std::size_t>& l = lengths[f.question];
        std::ranges::sort(l);
        EXPECT_EQ((l[l.size() / 2 - 1] + l[l.size() / 2]) / 2.0, f.median) << f.question;
        EXPECT_EQ(std::ranges::count_if(l, [](std::size_t n) { return n > 100; }), f.over100);
        EXPECT_EQ(std::accumulate(l.begin(), l.end(), std::size_t{0}), std::size_t(f.total));
        EXPECT_EQ(withMarks[f.question], f.withMarks) << f.question;
        EXPECT_EQ(withDigits[f.question], f.withDigits) << f.question;
    }
    const std::map<char16_t, int> expectedMarks = {{u'\u064B', 53}, {u'\u064D', 1}, {u'\u064E', 5},
                                                   {u'\u064F', 5},  {u'\u0651', 3}, {u'\u0652', 1}};
    for (const auto& [mark, count] : expectedMarks)
        EXPECT_EQ(marks[mark], count) << std::hex << int(mark);
}

TEST(Catalogue, TellingEntriesAreVerbatim)
{
    EXPECT_EQ(RiddleCatalogue[0].answer, u"النخلة");
    EXPECT_EQ(RiddleCatalogue[19].question, u"إذا شرب مات؟");
    EXPECT_EQ(RiddleCatalogue[19].answer, u"النـــــــار");
    EXPECT_EQ(RiddleCatalogue[31].question, u"هل تستطيع قراءة هذه الجملة:\nعمروعمروعمراعمراطويلا");
    EXPECT_EQ(RiddleCatalogue[31].answer, u"عُمَر وعَمْرو عمَّرا عُمرًا طويلاً");
    EXPECT_EQ(RiddleCatalogue[44].question,
              u" فيما يلي 12 حرفًا، والمطلوب أن تكون منها كلمة واحدة فقط:\rط ح أ ة ك م ق ل ة ف و د");
    EXPECT_EQ(RiddleCatalogue[46].question,
              u"هل تستطيع قراءة هذا البيت؟\rو و و هـ و و و  *  وبساط ينطوي طي الغوط");
    EXPECT_EQ(RiddleCatalogue[76].question,
              u"قال الشاعر:\rمكثنا بها يومان ويومين بعده ** ويومًا له يوم الترحل خامس\rفكم المدة "
              u"التي مكثوها؟");
    EXPECT_EQ(RiddleCatalogue[86].answer,
              u"الرقم هو (1/2 1) لأن النصف (1/2) هو ثلث الرقم (1/2 1).");
    EXPECT_EQ(RiddleCatalogue[0].question.size(), 150u);
}

} // namespace
} // namespace zarvona

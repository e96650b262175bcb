#include "window/controls/line_break_rules.h"

#include <array>

namespace zarvona {

namespace {

// Words written on their own that lean on the word after them.
constexpr std::array LeaningWords = {
    // prepositions
    u"في",
    u"من",
    u"إلى",
    u"على",
    u"عن",
    u"مع",
    u"بين",
    u"حتى",
    u"منذ",
    u"عند",
    u"لدى",
    u"نحو",
    u"بلا",
    u"دون",
    u"قبل",
    u"بعد",
    u"وفي",
    u"ومن",
    u"وإلى",
    u"وعلى",
    u"وعن",
    u"وعند",
    u"ففي",
    // conjunctions and particles
    u"ثم",
    u"أو",
    u"أم",
    u"بل",
    u"لا",
    u"لم",
    u"لن",
    u"ما",
    u"أن",
    u"إن",
    u"لكن",
    u"كما",
    u"إذا",
    u"إذ",
    u"قد",
    u"هل",
    u"كي",
    u"لأن",
    u"إلا",
    u"ولا",
    u"ولم",
    u"ولكن",
    u"وإذا",
    u"وإن",
    u"فإن",
    u"فإذا",
    u"فلا",
    u"وإلا",
    u"و",
    u"كلما",
    u"حين",
    u"لو",
    u"لما",
    u"أما",
    u"فأما",
    // relative pronouns and question words that open what follows
    u"الذي",
    u"التي",
    u"الذين",
    u"اللذان",
    u"اللتان",
    u"اللذين",
    u"اللتين",
    u"كم",
    u"فكم",
    u"أي",
    u"وأي",
    u"متى",
    u"كيف",
    u"أين",
    // nouns that need the word after them, and the first half of a name
    u"صاحب",
    u"شبه",
    u"نصف",
    u"ثلث",
    u"كل",
    u"بعض",
    u"غير",
    u"مثل",
    u"عدد",
    u"أبو",
    u"أبي",
    u"بن",
    u"ابن",
    u"بنت",
    u"ذو",
    u"ذات",
    u"حرف",
    u"سورة",
    u"كلمة",
    u"مدينة",
    u"أقل",
    u"أكثر",
};

// Numbers in words, with the conjunction or without.
constexpr std::array NumberWords = {
    u"اثنان",  u"اثنتان", u"اثنين",  u"اثنتين", u"ثلاث",  u"ثلاثة", u"أربع",  u"أربعة",
    u"خمس",    u"خمسة",   u"ست",     u"ستة",    u"سبع",   u"سبعة",  u"ثماني", u"ثمانية",
    u"تسع",    u"تسعة",   u"عشر",    u"عشرة",   u"أحد",   u"إحدى",  u"عشرون", u"عشرين",
    u"ثلاثون", u"ثلاثين", u"أربعين", u"ستين",   u"سبعين", u"مئة",   u"ألف",
};

// A word and the word that completes it.
struct Pair {
    const char16_t* word;
    const char16_t* next;
};
constexpr std::array ReadTogether = {
    Pair{u"القرآن", u"الكريم"},   Pair{u"الرجل", u"المسلم"},  Pair{u"المدينة", u"المنورة"},
    Pair{u"سيف", u"الله"},        Pair{u"أمير", u"الشعراء"},  Pair{u"الخلفاء", u"الراشدين"},
    Pair{u"الخليفة", u"الراشد"},  Pair{u"غزوة", u"بدر"},      Pair{u"بدر", u"الكبرى"},
    Pair{u"الدولة", u"العباسية"}, Pair{u"مدينة", u"السلام"},  Pair{u"علم", u"العروض"},
    Pair{u"علم", u"الاجتماع"},    Pair{u"الصلوات", u"الخمس"}, Pair{u"الطابق", u"الأرضي"},
    Pair{u"الطابق", u"العلوي"},   Pair{u"الطابق", u"العاشر"}, Pair{u"المركز", u"الثاني"},
    Pair{u"اليوم", u"الثامن"},    Pair{u"الكفة", u"الراجحة"}, Pair{u"فالثقيلة", u"أرجحهما"},
    Pair{u"به", u"تفاح"},         Pair{u"اليوم", u"الأخير"},  Pair{u"اليوم", u"التاسع"},
    Pair{u"اليوم", u"الثلاثين"},  Pair{u"أختي", u"الصغرى"},   Pair{u"الثلاثة", u"المختلفة"},
    Pair{u"يكن", u"مسموحًا"},      Pair{u"مسموحًا", u"لك"},
};

// Words that complete whatever word they follow: "one", after what there is one of.
constexpr std::array CompletingWords = {u"واحد", u"واحدة", u"واحدًا", u"واحدٍ", u"واحدٌ"};

template <typename List> bool isOneOf(QStringView word, const List& list)
{
    for (const char16_t* item : list)
        if (word == QStringView(item))
            return true;
    return false;
}

// The word without the punctuation and brackets around it.
QStringView bare(QStringView word)
{
    const auto isMark = [](QChar c) { return !c.isLetterOrNumber(); };
    while (!word.isEmpty() && isMark(word.front()))
        word = word.mid(1);
    while (!word.isEmpty() && isMark(word.back()))
        word.chop(1);
    return word;
}

} // namespace

bool leansOnTheNext(QStringView word)
{
    return !endsAClause(word) && isOneOf(bare(word), LeaningWords);
}

bool isNumber(QStringView word)
{
    if (endsAClause(word))
        return false;
    QStringView b = bare(word);
    if (b.isEmpty())
        return false;
    bool digits = true;
    for (const QChar c : b)
        digits = digits && c.isDigit();
    if (digits)
        return true;
    if (b.startsWith(u'و') && isOneOf(b.mid(1), NumberWords))
        return true;
    return isOneOf(b, NumberWords);
}

bool readTogether(QStringView word, QStringView next)
{
    if (endsAClause(word))
        return false;
    const QStringView a = bare(word), b = bare(next);
    if (isOneOf(b, CompletingWords))
        return true;
    for (const Pair& pair : ReadTogether)
        if (a == QStringView(pair.word) && b == QStringView(pair.next))
            return true;
    return false;
}

bool endsAClause(QStringView word)
{
    // A lone letter of a list («أ، ب، هـ») ends no clause; a letter named in brackets may.
    const QStringView b = bare(word);
    if (!word.contains(u'(') && !b.isEmpty() && b.front().isLetter() &&
        (b.size() == 1 || (b.size() == 2 && b[1] == u'ـ')))
        return false;
    while (!word.isEmpty() && (word.back() == u')' || word.back() == u'('))
        word.chop(1);
    if (word.isEmpty())
        return false;
    const QChar last = word.back();
    return last == u'،' || last == u'؛' || last == u':' || last == u'.' || last == u'؟' ||
           last == u'!';
}

} // namespace zarvona

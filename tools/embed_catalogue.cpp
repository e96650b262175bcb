// Build tool: turns riddles/catalogue.json into the C++ table RiddleCatalogue. It checks the
// file's shape (RiddleCount entries numbered from 1, non-empty texts) and fails the build
// otherwise; the content rules are checked by the test suite. Texts are written as \u escapes, so
// the generated source is plain ASCII whatever the compiler's source character set.
#include "ui/riddle_count.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "embed_catalogue: %s\n", qPrintable(message));
    return 1;
}

// A character beyond the first 65,536 is written as one \U escape: C++ refuses the two halves of
// its UTF-16 form as \u escapes.
QString literal(const QString& text)
{
    QString out = QStringLiteral("u\"");
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7F && c != U'"' && c != U'\\' && c != U'?')
            out += QChar(static_cast<char16_t>(c));
        else if (c < 0x10000)
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\U%1").arg(static_cast<uint>(c), 8, 16, QLatin1Char('0'));
    }
    return out + u'"';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return fail(QStringLiteral("usage: embed_catalogue catalogue.json output.cpp"));
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(in.fileName(), in.errorString()));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return fail(QStringLiteral("%1: %2 at offset %3")
                        .arg(in.fileName(), error.errorString())
                        .arg(error.offset));
    const QJsonArray entries = document.array();
    if (!document.isArray() || entries.size() != zarvona::RiddleCount)
        return fail(QStringLiteral("%1: want an array of exactly %2 entries")
                        .arg(in.fileName())
                        .arg(zarvona::RiddleCount));

    QString body;
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries[i].toObject();
        const QString question = entry.value(QLatin1String("question")).toString();
        const QString answer = entry.value(QLatin1String("answer")).toString();
        if (entry.value(QLatin1String("number")).toInt(-1) != i + 1)
            return fail(QStringLiteral("entry %1: number out of order").arg(i + 1));
        if (question.isEmpty() || answer.isEmpty())
            return fail(QStringLiteral("entry %1: empty question or answer").arg(i + 1));
        body += QStringLiteral("    {%1,\n     %2,\n     %3},\n")
                    .arg(i + 1)
                    .arg(literal(question), literal(answer));
    }

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(out.fileName()));
    QTextStream stream(&out);
    stream << "// Generated from riddles/catalogue.json by embed_catalogue. Do not edit.\n"
              "#include \"riddles/riddle_catalogue.h\"\n\n"
              "namespace zarvona {\n\n"
              "const std::array<RiddleEntry, RiddleCount> RiddleCatalogue = {{\n"
           << body << "}};\n\n} // namespace zarvona\n";
    stream.flush();
    if (!out.commit())
        return fail(QStringLiteral("cannot write %1").arg(out.fileName()));
    return 0;
}

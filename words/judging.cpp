#include "judging.h"

#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// The answer line takes at most this many letters, so a longer word is never typed whole.
constexpr int MAX_ALIGNED_LETTERS = 50;

// One letter of a text: a base letter with the marks that follow it, one or two UTF-16 units each, and what it
// is compared as under the rules.
struct Letter
{
    int start;
    int length;
    uint key;     // the first code point compared
    QString more; // the rest compared, empty for almost every letter
};

bool same(const Letter& a, const Letter& b)
{
    return a.key == b.key && a.more == b.more;
}

uint codeAt(QStringView text, int i, int* length)
{
    const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    *length = pair ? 2 : 1;
    return pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
}

// What keyboards type for the typographic apostrophes ’ ‘ ‛ ʼ ′, quotes ” “ „ ″ and dashes ‐ ‑ – — −.
uint keyboardForm(uint code)
{
    if (code < 0x02BC)
        return code;
    if (code == 0x2019 || code == 0x2018 || code == 0x201B || code == 0x02BC || code == 0x2032)
        return '\'';
    if (code == 0x201D || code == 0x201C || code == 0x201E || code == 0x2033)
        return '"';
    if (code == 0x2010 || code == 0x2011 || code == 0x2013 || code == 0x2014 || code == 0x2212)
        return '-';
    return code;
}

// Composed letters, no spaces at the ends and one plain space for each run of them inside. A hint keeps one at
// the end: the learner has typed the word's space.
QString plainForm(const QString& text, bool spaceAtEnd = false)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString plain;
    plain.reserve(composed.size());
    bool space = false;
    for (const QChar c : composed) {
        if (c.isSpace()) {
            space = !plain.isEmpty();
            continue;
        }
        if (space)
            plain += QLatin1Char(' ');
        space = false;
        plain += c;
    }
    if (space && spaceAtEnd)
        plain += QLatin1Char(' ');
    return plain;
}

// Without accents a letter is compared as its canonical decomposition less the marks (Mn, Mc, Me): cafe is
// café, Munchen is München. Letters that do not decompose stay themselves: ß, ø, ł, æ, đ are not ss, o, l, ae, d.
// Without capitals each code point is case folded, so Ё is ё, Σ is σ and 𐐀 is 𐐨.
Letter letterAt(QStringView text, int start, int length, const JudgingRules& rules)
{
    const auto compared = [&](uint code) {
        code = keyboardForm(code);
        return rules.capitals ? code : QChar::toCaseFolded(code);
    };
    int firstLength = 0;
    const uint first = codeAt(text, start, &firstLength);
    if (firstLength == length && (rules.accents || QChar::decompositionTag(first) != QChar::Canonical))
        return {start, length, compared(first), QString()};

    const QString letter = text.mid(start, length).toString();
    const QString form = rules.accents ? letter : letter.normalized(QString::NormalizationForm_D);
    Letter result{start, length, 0, QString()};
    bool firstSeen = false;
    for (int i = 0, unit = 0; i < form.size(); i += unit) {
        const uint code = codeAt(form, i, &unit);
        if (!rules.accents && QChar::isMark(code))
            continue;
        const uint key = compared(code);
        if (!firstSeen) {
            result.key = key;
            firstSeen = true;
        } else if (QChar::requiresSurrogates(key)) {
            result.more += QChar(QChar::highSurrogate(key));
            result.more += QChar(QChar::lowSurrogate(key));
        } else {
            result.more += QChar(key);
        }
    }
    return result;
}

std::vector<Letter> lettersOf(const QString& text, const JudgingRules& rules, int limit)
{
    std::vector<Letter> letters;
    for (int i = 0, length = 0; i < text.size() && static_cast<int>(letters.size()) < limit;) {
        const int start = i;
        codeAt(text, i, &length);
        for (i += length; i < text.size() && QChar::isMark(codeAt(text, i, &length));)
            i += length;
        letters.push_back(letterAt(text, start, i - start, rules));
    }
    return letters;
}

void appendEscaped(QString& html, QStringView letter)
{
    for (const QChar c : letter) {
        switch (c.unicode()) {
        case '<':
            html += QLatin1String("&lt;");
            break;
        case '>':
            html += QLatin1String("&gt;");
            break;
        case '&':
            html += QLatin1String("&amp;");
            break;
        case '"':
            html += QLatin1String("&quot;");
            break;
        default:
            html += c;
        }
    }
}

} // namespace

bool answerIsRight(const QString& expected, const QString& typed, const JudgingRules& rules)
{
    const std::vector<Letter> word = lettersOf(plainForm(expected), rules, std::numeric_limits<int>::max());
    const std::vector<Letter> answer = lettersOf(plainForm(typed), rules, std::numeric_limits<int>::max());
    return std::equal(word.begin(), word.end(), answer.begin(), answer.end(), same);
}

QString hintFor(const QString& expected, const QString& typed, const JudgingRules& rules)
{
    const QString word = plainForm(expected);
    const QString answer = plainForm(typed, true);
    const std::vector<Letter> wordLetters = lettersOf(word, rules, std::numeric_limits<int>::max());
    const std::vector<Letter> answerLetters = lettersOf(answer, rules, static_cast<int>(wordLetters.size()));
    std::size_t right = 0;
    while (right < answerLetters.size() && same(answerLetters[right], wordLetters[right]))
        ++right;
    if (right == wordLetters.size())
        return word;
    const int kept = right == 0 ? 0 : answerLetters[right - 1].start + answerLetters[right - 1].length;
    return answer.left(kept) + word.mid(wordLetters[right].start, wordLetters[right].length);
}

QString markAnswer(const QString& expected, const QString& typed, const JudgingRules& rules)
{
    const QString shown = plainForm(expected);
    const std::vector<Letter> word = lettersOf(shown, rules, std::numeric_limits<int>::max());
    const std::vector<Letter> answer = lettersOf(plainForm(typed), rules, MAX_ALIGNED_LETTERS);
    // Letters past what an answer can hold were never typed; they stay out of the alignment, marked.
    const std::size_t rows = std::min<std::size_t>(word.size(), MAX_ALIGNED_LETTERS);
    const std::size_t columns = answer.size();

    // edits[i][j]: the fewest letters to change, leave out or add to turn the first j typed letters into the
    // first i letters of the word.
    std::uint8_t edits[MAX_ALIGNED_LETTERS + 1][MAX_ALIGNED_LETTERS + 1];
    for (std::size_t i = 0; i <= rows; ++i)
        edits[i][0] = static_cast<std::uint8_t>(i);
    for (std::size_t j = 0; j <= columns; ++j)
        edits[0][j] = static_cast<std::uint8_t>(j);
    const auto match = [&](std::size_t i, std::size_t j) { return same(word[i], answer[j]); };
    for (std::size_t i = 1; i <= rows; ++i) {
        for (std::size_t j = 1; j <= columns; ++j) {
            const int diagonal = edits[i - 1][j - 1] + (match(i - 1, j - 1) ? 0 : 1);
            const int leftOut = edits[i - 1][j] + 1;
            const int added = edits[i][j - 1] + 1;
            edits[i][j] = static_cast<std::uint8_t>(std::min({diagonal, leftOut, added}));
        }
    }

    // Walk back along one cheapest alignment, marking the word's letters that were typed as they stand.
    std::vector<bool> typedRight(word.size(), false);
    for (std::size_t i = rows, j = columns; i > 0;) {
        if (j > 0 && edits[i][j] == edits[i - 1][j - 1] + (match(i - 1, j - 1) ? 0 : 1)) {
            typedRight[i - 1] = match(i - 1, j - 1);
            --i;
            --j;
        } else if (edits[i][j] == edits[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }

    QString html = QStringLiteral("<p align='center'>");
    html.reserve(html.size() + shown.size() * 4 + 8);
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!typedRight[i])
            html += QLatin1String("<font color='red'>");
        // Words are file names, which may hold "<" and "&".
        appendEscaped(html, QStringView(shown).mid(word[i].start, word[i].length));
        if (!typedRight[i])
            html += QLatin1String("</font>");
    }
    return html + QStringLiteral("</p>");
}

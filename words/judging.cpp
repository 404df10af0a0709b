#include "judging.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// The answer line takes at most this many letters, so a longer word is never typed whole.
constexpr int MAX_ALIGNED_LETTERS = 50;

// One letter of a text: one UTF-16 unit, or two for a letter outside the basic plane.
struct Letter
{
    int start;
    int length;
    uint folded; // compared ignoring case
};

std::vector<Letter> lettersOf(const QString& text, int limit)
{
    std::vector<Letter> letters;
    for (int i = 0; i < text.size() && static_cast<int>(letters.size()) < limit;) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const uint code = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const int length = pair ? 2 : 1;
        letters.push_back({i, length, QChar::toCaseFolded(code)});
        i += length;
    }
    return letters;
}

} // namespace

QString markAnswer(const QString& expected, const QString& typed)
{
    const std::vector<Letter> word = lettersOf(expected, std::numeric_limits<int>::max());
    const std::vector<Letter> answer = lettersOf(typed, MAX_ALIGNED_LETTERS);
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
    const auto same = [&](std::size_t i, std::size_t j) { return word[i].folded == answer[j].folded; };
    for (std::size_t i = 1; i <= rows; ++i) {
        for (std::size_t j = 1; j <= columns; ++j) {
            const int diagonal = edits[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1);
            const int leftOut = edits[i - 1][j] + 1;
            const int added = edits[i][j - 1] + 1;
            edits[i][j] = static_cast<std::uint8_t>(std::min({diagonal, leftOut, added}));
        }
    }

    // Walk back along one cheapest alignment, marking the word's letters that were typed as they stand.
    std::vector<bool> typedRight(word.size(), false);
    for (std::size_t i = rows, j = columns; i > 0;) {
        if (j > 0 && edits[i][j] == edits[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1)) {
            typedRight[i - 1] = same(i - 1, j - 1);
            --i;
            --j;
        } else if (edits[i][j] == edits[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }

    QString html = QStringLiteral("<p align='center'>");
    for (std::size_t i = 0; i < word.size(); ++i) {
        // Words are file names, which may hold "<" and "&".
        const QString letter = expected.mid(word[i].start, word[i].length).toHtmlEscaped();
        html += typedRight[i] ? letter : QStringLiteral("<font color='red'>") + letter + QStringLiteral("</font>");
    }
    return html + QStringLiteral("</p>");
}

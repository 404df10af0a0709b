#include "slips.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// The answer line takes at most this many letters, so a longer word is never typed whole.
constexpr int MAX_ALIGNED_LETTERS = 50;
// A wrong ending lies in this many last letters, after at least STEM_LETTERS typed right.
constexpr int ENDING_LETTERS = 3;
constexpr int STEM_LETTERS = 2;
// The cost of one edit in the alignment; it outweighs the tie-break points of 50 edits, so the fewest edits win.
constexpr int EDIT = 128;

// Lower case vowels, sorted. A plain y is not one: it is a consonant as often as a vowel, and i written as y
// near the end is told as a wrong ending (happyly). With an accent (ý ÿ ŷ) it is always a vowel.
// clang-format off
constexpr char16_t VOWELS[] = {
    u'a', u'e', u'i', u'o', u'u',
    u'à', u'á', u'â', u'ã', u'ä', u'å', u'æ', u'è', u'é', u'ê', u'ë', u'ì', u'í', u'î', u'ï',
    u'ò', u'ó', u'ô', u'õ', u'ö', u'ø', u'ù', u'ú', u'û', u'ü', u'ý', u'ÿ',
    u'ā', u'ă', u'ą', u'ē', u'ĕ', u'ė', u'ę', u'ě', u'ĩ', u'ī', u'ĭ', u'į', u'İ', u'ı',
    u'ō', u'ŏ', u'ő', u'œ', u'ũ', u'ū', u'ŭ', u'ů', u'ű', u'ų', u'ŷ',
    u'ơ', u'ư', u'ǎ', u'ǐ', u'ǒ', u'ǔ', u'ǖ', u'ǘ', u'ǚ', u'ǜ',
    u'ΐ', u'ά', u'έ', u'ή', u'ί', u'ΰ', u'α', u'ε', u'η', u'ι', u'ο', u'υ', u'ω', u'ϊ', u'ϋ', u'ό', u'ύ', u'ώ',
    // Not й or ў, which are consonants.
    u'а', u'е', u'и', u'о', u'у', u'ы', u'э', u'ю', u'я', u'ѐ', u'ё', u'є', u'і', u'ї', u'ѝ',
};
// clang-format on

constexpr bool sorted(const char16_t* begin, const char16_t* end)
{
    for (const char16_t* at = begin + 1; at < end; ++at) {
        if (at[-1] >= at[0])
            return false;
    }
    return true;
}
static_assert(sorted(std::begin(VOWELS), std::end(VOWELS)), "the vowels are searched by halves");

bool isVowel(uint folded)
{
    // Vietnamese vowels with their marks; Greek vowels with breathings and accents.
    if ((folded >= 0x1EA0 && folded <= 0x1EF9) || (folded >= 0x1F00 && folded <= 0x1FAF))
        return true;
    return std::binary_search(std::begin(VOWELS), std::end(VOWELS), folded, [](uint a, uint b) { return a < b; });
}

// The next letter of a text, case-folded: one UTF-16 unit, or two for a letter outside the basic plane.
uint nextLetter(const QString& text, int& at)
{
    const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    const uint code = pair ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1)) : text.at(at).unicode();
    at += pair ? 2 : 1;
    return QChar::toCaseFolded(code);
}

bool sameLetters(const QString& a, const QString& b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (nextLetter(a, i) != nextLetter(b, j))
            return false;
    }
    return i == a.size() && j == b.size();
}

// The first letters of a text, as the alignment sees them.
struct Letters
{
    uint folded[MAX_ALIGNED_LETTERS];
    bool vowel[MAX_ALIGNED_LETTERS];
    bool besideSame[MAX_ALIGNED_LETTERS]; // next to the same letter
    int count = 0;
    bool cut = false; // the text goes on past them
};

void readLetters(const QString& text, Letters& letters)
{
    int at = 0;
    while (at < text.size() && letters.count < MAX_ALIGNED_LETTERS) {
        letters.folded[letters.count] = nextLetter(text, at);
        letters.vowel[letters.count] = isVowel(letters.folded[letters.count]);
        ++letters.count;
    }
    letters.cut = at < text.size();
    for (int k = 0; k < letters.count; ++k) {
        letters.besideSame[k] = (k > 0 && letters.folded[k - 1] == letters.folded[k]) ||
                                (k + 1 < letters.count && letters.folded[k + 1] == letters.folded[k]);
    }
}

// What the alignment did with one letter.
enum class Step : std::uint8_t
{
    Same,
    Vowel,
    Changed,
    LeftOut,
    Added,
    Swapped
};

constexpr unsigned bit(SlipKind kind)
{
    return 1u << static_cast<int>(kind);
}

// A left-out or added letter is one of a double when the same letter stands beside it, typed as it is.
bool doubled(const Letters& letters, const Step* steps, int k)
{
    const uint letter = letters.folded[k];
    return (k > 0 && letters.folded[k - 1] == letter && steps[k - 1] == Step::Same) ||
           (k + 1 < letters.count && letters.folded[k + 1] == letter && steps[k + 1] == Step::Same);
}

unsigned slipSet(const QString& word, const QString& typed)
{
    if (sameLetters(word, typed))
        return 0;
    if (typed.isEmpty())
        return bit(SlipKind::Other);
    Letters w, t;
    readLetters(word, w);
    readLetters(typed, t);
    const int rows = w.count;
    const int columns = t.count;

    // cost[i][j]: EDIT for each edit that turns the first j typed letters into the first i letters of the word,
    // plus a point for each edit no named slip explains, so that ties go to the likelier reading.
    std::uint16_t cost[MAX_ALIGNED_LETTERS + 1][MAX_ALIGNED_LETTERS + 1];
    const auto leftOutCost = [&](int i) { return EDIT + (w.besideSame[i] ? 0 : 1); };
    const auto addedCost = [&](int j) { return EDIT + (t.besideSame[j] ? 0 : 1); };
    const auto changeCost = [&](int i, int j) {
        return w.folded[i] == t.folded[j] ? 0 : EDIT + (w.vowel[i] && t.vowel[j] ? 0 : 1);
    };
    const auto swapped = [&](int i, int j) {
        return i > 1 && j > 1 && w.folded[i - 1] == t.folded[j - 2] && w.folded[i - 2] == t.folded[j - 1] &&
               w.folded[i - 1] != w.folded[i - 2];
    };
    cost[0][0] = 0;
    for (int i = 1; i <= rows; ++i)
        cost[i][0] = static_cast<std::uint16_t>(cost[i - 1][0] + leftOutCost(i - 1));
    for (int j = 1; j <= columns; ++j)
        cost[0][j] = static_cast<std::uint16_t>(cost[0][j - 1] + addedCost(j - 1));
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= columns; ++j) {
            int best = std::min({cost[i - 1][j - 1] + changeCost(i - 1, j - 1), cost[i - 1][j] + leftOutCost(i - 1),
                                 cost[i][j - 1] + addedCost(j - 1)});
            if (swapped(i, j))
                best = std::min(best, cost[i - 2][j - 2] + EDIT);
            cost[i][j] = static_cast<std::uint16_t>(best);
        }
    }

    // Walk back along the cheapest alignment, noting what became of each letter.
    Step wordSteps[MAX_ALIGNED_LETTERS];
    Step typedSteps[MAX_ALIGNED_LETTERS];
    for (int i = rows, j = columns; i > 0 || j > 0;) {
        const int here = cost[i][j];
        const bool diagonal = i > 0 && j > 0 && here == cost[i - 1][j - 1] + changeCost(i - 1, j - 1);
        if (diagonal && w.folded[i - 1] == t.folded[j - 1]) {
            wordSteps[--i] = typedSteps[--j] = Step::Same;
        } else if (swapped(i, j) && here == cost[i - 2][j - 2] + EDIT) {
            wordSteps[i - 1] = wordSteps[i - 2] = typedSteps[j - 1] = typedSteps[j - 2] = Step::Swapped;
            i -= 2;
            j -= 2;
        } else if (diagonal) {
            const Step step = w.vowel[i - 1] && t.vowel[j - 1] ? Step::Vowel : Step::Changed;
            wordSteps[--i] = typedSteps[--j] = step;
        } else if (i > 0 && (j == 0 || here == cost[i - 1][j] + leftOutCost(i - 1))) {
            wordSteps[--i] = Step::LeftOut;
        } else {
            typedSteps[--j] = Step::Added;
        }
    }

    const int edits = cost[rows][columns] / EDIT;
    unsigned kinds = 0;
    for (int i = 0; i < rows; ++i) {
        if (wordSteps[i] == Step::Vowel)
            kinds |= bit(SlipKind::Vowel);
        else if (wordSteps[i] == Step::Changed)
            kinds |= bit(SlipKind::Other);
        else if (wordSteps[i] == Step::Swapped)
            kinds |= bit(SlipKind::Swapped);
        else if (wordSteps[i] == Step::LeftOut)
            kinds |= bit(doubled(w, wordSteps, i) ? SlipKind::DoubleLetter : SlipKind::LeftOut);
    }
    for (int j = 0; j < columns; ++j) {
        if (typedSteps[j] == Step::Added)
            kinds |= bit(doubled(t, typedSteps, j) ? SlipKind::DoubleLetter : SlipKind::Added);
    }
    if (edits == 0) // the difference lies past the letters aligned
        return bit(SlipKind::Other);
    if (edits == 1 && kinds != bit(SlipKind::Other))
        return kinds;

    const int stem = rows - ENDING_LETTERS;
    if (!w.cut && !t.cut && stem >= STEM_LETTERS && columns >= stem && columns - rows <= ENDING_LETTERS &&
        std::equal(w.folded, w.folded + stem, t.folded))
        return bit(SlipKind::Ending);
    if (edits >= 2 && 2 * edits > std::max(rows, columns))
        return bit(SlipKind::Other);
    return kinds;
}

} // namespace

std::vector<SlipKind> slipsOf(const QString& word, const QString& typed)
{
    const unsigned kinds = slipSet(word, typed);
    std::vector<SlipKind> slips;
    for (int k = 0; k < SLIP_KIND_COUNT; ++k) {
        if (kinds & bit(SlipKind(k)))
            slips.push_back(SlipKind(k));
    }
    return slips;
}

QString slipKindName(SlipKind kind)
{
    switch (kind) {
    case SlipKind::DoubleLetter:
        return QCoreApplication::translate("SlipKind", "One letter for two, or two for one");
    case SlipKind::Swapped:
        return QCoreApplication::translate("SlipKind", "Two letters the wrong way round");
    case SlipKind::Vowel:
        return QCoreApplication::translate("SlipKind", "One vowel for another");
    case SlipKind::LeftOut:
        return QCoreApplication::translate("SlipKind", "A letter left out");
    case SlipKind::Added:
        return QCoreApplication::translate("SlipKind", "A letter too many");
    case SlipKind::Ending:
        return QCoreApplication::translate("SlipKind", "A wrong ending");
    case SlipKind::Other:
        break;
    }
    return QCoreApplication::translate("SlipKind", "Other letters wrong, or another word");
}

void SlipCounter::add(const QString& word, const QString& typed)
{
    const unsigned kinds = slipSet(word, typed);
    for (int k = 0; k < SLIP_KIND_COUNT; ++k) {
        if (!(kinds & bit(SlipKind(k))))
            continue;
        ++m_counts[k];
        std::vector<SlipExample>& examples = m_examples[k];
        const auto same = [&](const SlipExample& e) {
            return sameLetters(e.word, word) && sameLetters(e.typed, typed);
        };
        if (examples.size() < 3 && std::none_of(examples.begin(), examples.end(), same))
            examples.push_back({word, typed});
    }
}

std::vector<SlipTally> SlipCounter::mostFrequent(int n) const
{
    std::vector<SlipTally> tallies;
    for (int k = 0; k < SLIP_KIND_COUNT; ++k) {
        if (m_counts[k] > 0)
            tallies.push_back({SlipKind(k), m_counts[k], m_examples[k]});
    }
    std::stable_sort(tallies.begin(), tallies.end(),
                     [](const SlipTally& a, const SlipTally& b) { return a.count > b.count; });
    tallies.resize(std::min<std::size_t>(tallies.size(), std::max(n, 0)));
    return tallies;
}

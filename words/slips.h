#pragma once
// What kind of slip a wrong answer shows, and which kinds a learner makes most.

#include <QString>

#include <vector>

// How an answer is told (case ignored; at most the first 50 letters of each side are aligned):
// - It is lined up with the word by the fewest edits: a letter changed, left out or added, or two neighbouring
//   letters swapped. Among equally few edits, the reading with the most named slips is taken.
// - One edit of a named kind (all but Ending and Other) gives that kind, wherever it lies.
// - Ending, and nothing else: the word has at least five letters, every letter before its last three is typed
//   right, the answer is at most three letters longer or shorter than the word, and the slip is not one edit of
//   a named kind (so also one consonant changed there).
// - Other, and nothing else: an empty answer, or one needing two edits or more and more edits than half the
//   letters of the longer side (nothing like the word).
// - Otherwise each edit gives a kind: a letter left out or added beside the same letter typed as it stands is
//   DoubleLetter; a swap is Swapped; a vowel for a vowel is Vowel; any other letter left out is LeftOut, any
//   other added is Added; any other change is Other.
enum class SlipKind
{
    DoubleLetter,
    Swapped,
    Vowel,
    LeftOut,
    Added,
    Ending,
    Other
};
constexpr int SLIP_KIND_COUNT = 7;

// The kinds of slip in one answer, each kind at most once, in the order of the enum; empty when the answer is
// right (case ignored).
std::vector<SlipKind> slipsOf(const QString& word, const QString& typed);

// What the window calls a kind.
QString slipKindName(SlipKind kind);

struct SlipExample
{
    QString word;
    QString typed;
};

struct SlipTally
{
    SlipKind kind;
    int count;
    std::vector<SlipExample> examples;
};

// Counts kinds over many wrong answers, fed newest first.
class SlipCounter
{
public:
    void add(const QString& word, const QString& typed);
    // The n kinds seen most often, most first (ties in enum order), each with its count (answers showing that
    // kind) and up to three examples: the first distinct (word, typed) pairs added, case ignored.
    std::vector<SlipTally> mostFrequent(int n) const;

private:
    int m_counts[SLIP_KIND_COUNT] = {};
    std::vector<SlipExample> m_examples[SLIP_KIND_COUNT];
};

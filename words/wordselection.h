#pragma once
// Choice of the next word of a test: the words asked least first, wrongly answered words brought back at a
// bounded rate.

#include "wordpool.h"

#include <cstdint>
#include <map>
#include <vector>

struct WordPick
{
    std::uint32_t index;
    // True when the word came from the least-asked draw, false for a review draw.
    bool leastAskedPick;
};

// Updates a word's counters once its answer at question number has been judged. A correct answer after a
// review draw closes the distance to timesAsked faster than one after a least-asked draw, which keeps it.
void markWordAnswered(__word* word, std::uint32_t number, bool correct, bool leastAskedPick);

// Replaces the current time as the seed of every draw; null restores it.
void setDrawSeedForTesting(unsigned (*seed)());

// Questions that must pass between two review draws, by test length and pool size.
std::uint32_t reviewGap(std::uint32_t testLength, std::size_t poolSize);

// Keeps the pool's counters in a form that answers a draw without reading every word. The caller rebuilds it
// after collecting the pool and reports every word whose counters it changed.
class WordPoolIndex
{
public:
    void rebuild(const std::vector<__word>& pool);
    void wordChanged(const std::vector<__word>& pool, std::uint32_t index);

    std::uint32_t leastAskedCount() const { return m_atMinimumCount; }
    // The k-th (0-based) word, in pool order, of those asked the fewest times.
    std::uint32_t leastAsked(std::uint32_t k) const;
    // Words whose score is not their number of askings, in pool order.
    const std::vector<std::uint32_t>& weakWords() const { return m_weak; }

private:
    void markAtMinimum(std::uint32_t index, int delta);
    void rebuildMinimum();

    std::vector<std::uint32_t> m_timesAsked;
    std::vector<unsigned char> m_isWeak;
    std::map<std::uint32_t, std::uint32_t> m_wordsPerLevel;
    std::uint32_t m_minimum = 0;
    std::uint32_t m_atMinimumCount = 0;
    std::vector<std::uint32_t> m_tree; // counts of the words at the minimum, as a Fenwick tree
    std::vector<std::uint32_t> m_weak;
};

// Draws the next word from a non-empty pool for question currentNumber (1-based). Seeds the C library's
// generator with the current time before the draw. Reads every word of the pool.
WordPick pickWord(const std::vector<__word>* pool, std::uint32_t testLength, std::uint32_t currentNumber,
                  std::uint32_t* lastReviewAt);
// The same draw, answered from an index that is in step with the pool.
WordPick pickWord(const std::vector<__word>* pool, std::uint32_t testLength, std::uint32_t currentNumber,
                  std::uint32_t* lastReviewAt, const WordPoolIndex& index);

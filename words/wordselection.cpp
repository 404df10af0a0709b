#include "wordselection.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>

namespace {

bool isWeak(const __word& word)
{
    return static_cast<std::uint32_t>(word.score) != word.timesAsked;
}

unsigned (*seedForTesting)() = nullptr;

int drawNumber()
{
    std::srand(seedForTesting != nullptr ? seedForTesting() : static_cast<unsigned>(std::time(nullptr)));
    return std::rand();
}

// The draw itself, over whichever way the candidates were found.
template <typename LeastAsked>
WordPick draw(const std::vector<__word>& pool, std::uint32_t testLength, std::uint32_t currentNumber,
              std::uint32_t* lastReviewAt, std::uint32_t leastAskedCount, LeastAsked leastAskedAt,
              const std::vector<std::uint32_t>& weak)
{
    const auto leastAskedDraw = [&] {
        const auto k = static_cast<std::uint32_t>(drawNumber()) % leastAskedCount;
        return WordPick{leastAskedAt(k), true};
    };
    if (weak.empty())
        return leastAskedDraw();
    if (currentNumber - *lastReviewAt <= reviewGap(testLength, pool.size()))
        return leastAskedDraw();
    if (weak.size() == 1 && pool[weak.front()].lastAsked == currentNumber - 1)
        return leastAskedDraw();

    const int number = drawNumber();
    *lastReviewAt = currentNumber;
    std::uint32_t fewest = UINT32_MAX;
    std::uint32_t latest = 0;
    for (std::uint32_t i : weak) {
        fewest = std::min(fewest, pool[i].timesAsked);
        latest = std::max(latest, pool[i].lastAsked);
    }
    std::vector<std::uint32_t> candidates;
    for (std::uint32_t i : weak) {
        if (pool[i].timesAsked == fewest)
            candidates.push_back(i);
    }
    // The word asked most recently waits, unless it is the only one.
    if (candidates.size() >= 2) {
        const auto recent =
            std::find_if(candidates.begin(), candidates.end(), [&](std::uint32_t i) { return pool[i].lastAsked == latest; });
        if (recent != candidates.end())
            candidates.erase(recent);
    }
    return WordPick{candidates[static_cast<std::uint32_t>(number) % candidates.size()], false};
}

} // namespace

void setDrawSeedForTesting(unsigned (*seed)())
{
    seedForTesting = seed;
}

void markWordAnswered(__word* word, std::uint32_t number, bool correct, bool leastAskedPick)
{
    word->lastAsked = number;
    word->timesAsked += 1;
    if (!correct)
        word->score -= 1;
    else if (leastAskedPick)
        word->score += 1;
    else if (static_cast<std::int64_t>(word->timesAsked) > static_cast<std::int64_t>(word->score) + 1)
        word->score += 2;
    else
        word->score = static_cast<std::int32_t>(word->timesAsked);
}

std::uint32_t reviewGap(std::uint32_t testLength, std::size_t poolSize)
{
    const bool large = poolSize >= 30;
    if (testLength <= 10)
        return 4;
    if (testLength <= 30)
        return large ? 5 : 4;
    if (testLength <= 100)
        return large ? 6 : 5;
    if (testLength <= 300)
        return large ? 10 : 7;
    if (testLength <= 1000)
        return large ? 15 : 9;
    if (testLength <= 3000)
        return large ? 24 : 15;
    return 40;
}

WordPick pickWord(const std::vector<__word>* pool, std::uint32_t testLength, std::uint32_t currentNumber,
                  std::uint32_t* lastReviewAt)
{
    std::uint32_t fewest = UINT32_MAX;
    for (const __word& word : *pool)
        fewest = std::min(fewest, word.timesAsked);
    std::vector<std::uint32_t> leastAsked;
    std::vector<std::uint32_t> weak;
    for (std::uint32_t i = 0; i < pool->size(); ++i) {
        if ((*pool)[i].timesAsked == fewest)
            leastAsked.push_back(i);
        if (isWeak((*pool)[i]))
            weak.push_back(i);
    }
    return draw(*pool, testLength, currentNumber, lastReviewAt, static_cast<std::uint32_t>(leastAsked.size()),
                [&](std::uint32_t k) { return leastAsked[k]; }, weak);
}

WordPick pickWord(const std::vector<__word>* pool, std::uint32_t testLength, std::uint32_t currentNumber,
                  std::uint32_t* lastReviewAt, const WordPoolIndex& index)
{
    return draw(*pool, testLength, currentNumber, lastReviewAt, index.leastAskedCount(),
                [&](std::uint32_t k) { return index.leastAsked(k); }, index.weakWords());
}

void WordPoolIndex::rebuild(const std::vector<__word>& pool)
{
    const std::size_t n = pool.size();
    m_timesAsked.resize(n);
    m_isWeak.resize(n);
    m_wordsPerLevel.clear();
    m_weak.clear();
    for (std::size_t i = 0; i < n; ++i) {
        m_timesAsked[i] = pool[i].timesAsked;
        m_isWeak[i] = isWeak(pool[i]) ? 1 : 0;
        if (m_isWeak[i])
            m_weak.push_back(static_cast<std::uint32_t>(i));
        ++m_wordsPerLevel[pool[i].timesAsked];
    }
    rebuildMinimum();
}

void WordPoolIndex::rebuildMinimum()
{
    const std::size_t n = m_timesAsked.size();
    m_minimum = m_wordsPerLevel.empty() ? 0 : m_wordsPerLevel.begin()->first;
    m_atMinimumCount = 0;
    m_tree.assign(n + 1, 0);
    // Linear construction: every node passes its count on to its parent.
    for (std::size_t i = 1; i <= n; ++i) {
        if (m_timesAsked[i - 1] == m_minimum) {
            ++m_tree[i];
            ++m_atMinimumCount;
        }
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= n)
            m_tree[parent] += m_tree[i];
    }
}

void WordPoolIndex::markAtMinimum(std::uint32_t index, int delta)
{
    for (std::size_t i = index + 1; i < m_tree.size(); i += i & (~i + 1))
        m_tree[i] = static_cast<std::uint32_t>(static_cast<int>(m_tree[i]) + delta);
    m_atMinimumCount = static_cast<std::uint32_t>(static_cast<int>(m_atMinimumCount) + delta);
}

void WordPoolIndex::wordChanged(const std::vector<__word>& pool, std::uint32_t index)
{
    if (index >= m_timesAsked.size() || index >= pool.size())
        return;
    const __word& word = pool[index];

    const bool weak = isWeak(word);
    if (weak != (m_isWeak[index] != 0)) {
        m_isWeak[index] = weak ? 1 : 0;
        const auto place = std::lower_bound(m_weak.begin(), m_weak.end(), index);
        if (weak)
            m_weak.insert(place, index);
        else
            m_weak.erase(place);
    }

    const std::uint32_t before = m_timesAsked[index];
    const std::uint32_t after = word.timesAsked;
    if (before == after)
        return;
    m_timesAsked[index] = after;
    if (--m_wordsPerLevel[before] == 0)
        m_wordsPerLevel.erase(before);
    ++m_wordsPerLevel[after];
    if (m_wordsPerLevel.begin()->first != m_minimum) {
        // The least-asked words have all been asked again: the next level becomes the least-asked one.
        rebuildMinimum();
        return;
    }
    if (before == m_minimum)
        markAtMinimum(index, -1);
    else if (after == m_minimum)
        markAtMinimum(index, +1);
}

std::uint32_t WordPoolIndex::leastAsked(std::uint32_t k) const
{
    // Descend the tree for the smallest position whose running count passes k.
    std::size_t position = 0;
    std::size_t step = 1;
    while (step * 2 < m_tree.size())
        step *= 2;
    std::uint32_t remaining = k;
    for (; step > 0; step /= 2) {
        const std::size_t next = position + step;
        if (next < m_tree.size() && m_tree[next] <= remaining) {
            position = next;
            remaining -= m_tree[next];
        }
    }
    return static_cast<std::uint32_t>(position);
}

#pragma once
// When a word comes back: a wrong answer makes it due in the next test, and right answers while it is due move
// it along growing intervals until it leaves the reviews.

#include <cstdint>

// Steps a missed word goes through; a right answer at the last one ends its reviews.
constexpr int REVIEW_STEPS = 5;

// What the history knows of one word.
struct WordHistory
{
    // Times the word has been asked, over every test.
    std::uint32_t asked = 0;
    // 0: not under review; 1 to REVIEW_STEPS: the review step it is at.
    int step = 0;
    // When it is due, in seconds since the epoch; meaningful only under review.
    std::int64_t due = 0;
};

// True when the word is under review and its time has come.
bool isDue(const WordHistory& word, std::int64_t now);

// The word's history after an answer at the given time. A right answer moves the word a step on only when it
// was due at the start of the test; a wrong one puts it back at step 1, due at once.
WordHistory afterAnswer(const WordHistory& before, bool correct, bool dueThisTest, std::int64_t at);

// The most due words a test of the given length asks before new ones: half of it, rounded down, or all of it when
// only due words are asked.
std::uint32_t dueShare(std::uint32_t testLength, bool dueOnly);

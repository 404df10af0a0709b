#include "schedule.h"

#include <QDateTime>

namespace {

// Days until the next review after a right answer at each step; past the last step the word leaves the reviews.
constexpr int DAYS_AFTER_STEP[REVIEW_STEPS] = {1, 3, 7, 14, 0};

// The start of the local day that many days after the given time: a word due "in a day" is due all of that day.
std::int64_t startOfDayAfter(std::int64_t at, int days)
{
    const QDate day = QDateTime::fromSecsSinceEpoch(at).date().addDays(days);
    return day.startOfDay().toSecsSinceEpoch();
}

} // namespace

bool isDue(const WordHistory& word, std::int64_t now)
{
    return word.step > 0 && word.due <= now;
}

WordHistory afterAnswer(const WordHistory& before, bool correct, bool dueThisTest, std::int64_t at)
{
    WordHistory after = before;
    if (!correct) {
        after.step = 1;
        after.due = at;
    } else if (dueThisTest && before.step > 0) {
        // A step out of range, from a damaged history, ends the reviews rather than indexing past the table.
        if (before.step >= REVIEW_STEPS) {
            after.step = 0;
            after.due = 0;
        } else {
            after.step = before.step + 1;
            after.due = startOfDayAfter(at, DAYS_AFTER_STEP[before.step - 1]);
        }
    }
    return after;
}

std::uint32_t dueShare(std::uint32_t testLength, bool dueOnly)
{
    return dueOnly ? testLength : testLength / 2;
}

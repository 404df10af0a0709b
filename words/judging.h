#pragma once
// Whether an answer is right, how it is shown when it is wrong, and the hint that gives its next letter.

#include <QString>

// What a teacher may ask to count. Whatever they say, the comparison never counts the form of a letter (NFC),
// typographic apostrophes, quotes and dashes against their plain forms, or spaces at the ends and runs of them.
struct JudgingRules
{
    bool accents = true;   // café is wrong as cafe
    bool capitals = false; // London is wrong as london
};

// True when the typed text is the word, under the rules. Letters are compared whole: a base letter with the
// marks that follow it.
bool answerIsRight(const QString& expected, const QString& typed, const JudgingRules& rules);

// What the answer line holds after a hint: the longest right beginning of what is typed, then the word's next
// letter as the word spells it. The whole word when nothing is missing. A space typed last counts, so a hint
// after the word's space gives the letter after it.
QString hintFor(const QString& expected, const QString& typed, const JudgingRules& rules);

// The HTML of a wrong answer: the expected word letter by letter, in red the letters the answer got wrong or
// left out under the rules, found by the fewest edits that turn the answer into the word. Letters typed in
// excess are not shown, since the word is. The word is shown composed, its spaces as they are compared.
QString markAnswer(const QString& expected, const QString& typed, const JudgingRules& rules = JudgingRules());

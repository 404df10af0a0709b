#pragma once
// How an answer is shown when it is wrong.

#include <QString>

// The HTML of a wrong answer: the expected word letter by letter, in red the letters the answer got wrong or
// left out, found by the fewest edits that turn the answer into the word (case ignored). Letters typed in
// excess are not shown, since the word is.
QString markAnswer(const QString& expected, const QString& typed);

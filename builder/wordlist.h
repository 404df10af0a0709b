#pragma once
// The word list of a dictionary to be made: one word a line, each naming its recording.

#include <QByteArray>
#include <QString>

#include <vector>

namespace dictionarybuilder {

// One line of the word list.
struct ListLine
{
    int number = 0;  // counted from 1
    QString word;    // without surrounding white space
    QString problem; // why the line gives no recording; empty when it does
};

// Splits a UTF-8 word list into its lines and says which cannot name a recording. A byte order mark, CR LF or
// CR line ends and a missing last line end are all accepted.
std::vector<ListLine> readWordList(const QByteArray& bytes);

// Why the name, with a suffix of that many bytes after it, cannot be a file's or a folder's name; empty when it
// can.
QString fileNameProblem(const QString& name, int suffixBytes);

// A word or a path as the builder's messages quote it.
QString quoted(const QString& text);

} // namespace dictionarybuilder

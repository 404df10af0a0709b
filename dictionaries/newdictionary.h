#pragma once
// Where a new dictionary goes and what it may be called: the same for a dictionary spoken from a word list and
// for one made of the words to practise.

#include <QString>

class QWidget;

namespace newdictionary {

// Quillora in the user's documents folder, unless the user picks another.
QString defaultPlace();
// Asks for the folder the new dictionary goes in, starting at start; empty when the user cancels.
QString choosePlace(QWidget* parent, const QString& start);
// Why the name cannot be a dictionary's, as the message says it; empty when it can.
QString nameProblem(const QString& name);
// The new dictionary's folder: the name inside the place.
QString folderOf(const QString& place, const QString& name);

} // namespace newdictionary

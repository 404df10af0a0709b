#pragma once
// Cells and records of the comma-separated files the Progress window saves for spreadsheets.

#include <QString>
#include <QStringList>

// One cell as RFC 4180 wants it: quoted when it holds a comma, a quote, CR or LF, its quotes doubled. A cell
// that starts with = + - @, a tab or CR gets a leading ' so that a spreadsheet takes it as text and never runs it
// as a formula; such a cell is always quoted as well, so the guard and the text stay one cell.
QString csvField(const QString& text);
// The fields joined with commas, ended with CRLF. A lone empty field is written "" so that the record is not
// read back as a blank line and dropped.
QString csvRecord(const QStringList& fields);

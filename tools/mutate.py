#!/usr/bin/env python3
"""Mutation check: how many deliberate faults in the program does the test suite catch?

Each mutant is one small change to the program's sources (never to the tests): a comparison flipped, an
off-by-one, a branch removed, a wrong constant, a swapped argument or a missed write. The script copies the
tree to a scratch folder, builds it once, then for each mutant applies the change, rebuilds, runs CTest and
puts the file back. A mutant is killed when some test fails; one that builds and passes every test survived.
The working tree is never touched.

    tools/mutate.py                 the working tree as it is, committed or not
    tools/mutate.py --rev main      a commit instead
    tools/mutate.py --only 3,17     some mutants (numbers from --list)
    tools/mutate.py --list          the mutants, without running anything
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# (file, kind, what the fault is, text as it stands, text with the fault). The text must occur exactly once.
MUTANTS = [
    # text/
    ("text/boundedstring.cpp", "off-by-one", "wcsnlen16 looks one unit past its limit",
     "while (n < max && s[n] != 0)", "while (n <= max && s[n] != 0)"),
    ("text/boundedstring.cpp", "comparison", "wcsequal16 compares only up to the shorter text",
     "while (*a != 0 && *a == *b) {", "while (*a != 0 && *b != 0) {"),
    ("text/boundedstring.cpp", "missed write", "strlcpy leaves the copy unterminated",
     "std::memmove(dst, src, n);\n        dst[n] = 0;", "std::memmove(dst, src, n);"),
    ("text/boundedstring.cpp", "wrong constant", "wcslcat on a full buffer returns its size only",
     "return size + wcslen16(src);", "return size;"),
    ("text/formatcount.cpp", "wrong constant", "no space in five-digit counts",
     "text.size() == 5", "text.size() == 6"),
    # platform/
    ("platform/files.cpp", "comparison", "a path that is not there counts as there",
     "return ::stat(encodedPath(path).constData(), &info) == 0;",
     "return ::stat(encodedPath(path).constData(), &info) <= 0;"),
    ("platform/appfolders.cpp", "comparison", "the machine folder takes a relative XDG_CONFIG_DIRS entry",
     "if (dir.startsWith(QLatin1Char('/')))", "if (!dir.startsWith(QLatin1Char('/')))"),
    ("platform/files.cpp", "missed write", "an atomic replace is cancelled but reported as done",
     "return file.commit() || failed(file.errorString());", "return (file.cancelWriting(), true) || failed(QString());"),
    ("platform/http.cpp", "branch removed", "a full first block counts as a failed download",
     "const bool full = result == CURLE_WRITE_ERROR && download.received == capacity;",
     "const bool full = false;"),
    ("platform/listing.cpp", "comparison", "pipes and sockets in a listing are taken for files",
     "*isFile = entry->d_type == DT_REG;", "*isFile = entry->d_type != DT_DIR;"),
    ("platform/appfolders.cpp", "missed write", "the product folder is never created",
     "    if (create)\n        makeFolder(buffer);\n", "    (void)create;\n"),
    ("platform/appfolders.cpp", "branch removed", "a path too long for its buffer is used cut short",
     "if (wcslcat(buffer, separator, size) >= size || wcslcat(buffer, part, size) >= size)",
     "if (wcslcat(buffer, separator, size) > 2 * size || wcslcat(buffer, part, size) > 2 * size)"),
    ("platform/appfolders.cpp", "wrong constant", "the machine's own settings files are looked for in the user's",
     "return fileIn(folders.at(index), SETTINGS_FILE, buffer, capacity, false);",
     "return fileIn(configBase(), SETTINGS_FILE, buffer, capacity, false);"),
    ("platform/files.cpp", "missed write", "a made recording stays private to its maker",
     "    m_file->setPermissions(", "    (void)("),
    # dictionaries/
    ("dictionaries/dictionaries.cpp", "wrong constant", "the selected byte is read from the wrong offset",
     "entry.selected = record[520] != 0 ? 1 : 0;", "entry.selected = record[521] != 0 ? 1 : 0;"),
    ("dictionaries/dictionaries.cpp", "branch removed", "Default is added even when the list has it",
     "if (!defaultFound) {", "if (!defaultFound || file != nullptr) {"),
    ("dictionaries/dictionaries.cpp", "comparison", "the selected byte is written inverted",
     "bytes.push_back(static_cast<char>(entry.selected != 0 ? 1 : 0));",
     "bytes.push_back(static_cast<char>(entry.selected != 0 ? 0 : 1));"),
    ("dictionaries/dictionaries.cpp", "off-by-one", "a dictionary's name keeps its leading separator",
     "folder.mid(last + 1);", "folder.mid(last);"),
    ("dictionaries/dictionaries.cpp", "wrong constant", "a folder just added starts unticked",
     "record.selected = 1;", "record.selected = 0;"),
    ("dictionaries/dlgdictionaries.cpp", "branch removed", "the current Default can be deleted",
     "if (wcsequal16(dictionaries[static_cast<std::size_t>(row)].path, defaultPath)) {", "if (false) {"),
    ("dictionaries/dlgdictionaries.cpp", "missed write", "closing the window does not store the list",
     "    writeDictionaries(dictionaries);\n    emit dictionaryChanged", "    emit dictionaryChanged"),
    ("dictionaries/dlgdictionaries.cpp", "missed write", "a missing folder keeps its tick",
     "item->setCheckState(Qt::Unchecked);\n", ""),
    # words/
    ("words/wordpool.cpp", "branch removed", "a folder named like a recording joins the pool",
     "if (!isFile || !isRecordingName(name, length))", "if (!isRecordingName(name, length))"),
    ("words/wordpool.cpp", "off-by-one", "an over-long file name is cut one unit too late",
     "const int room = PATH_UNITS - 1 - prefixLength;", "const int room = PATH_UNITS - prefixLength;"),
    ("words/wordpool.cpp", "branch removed", "the pool grows past its cap",
     "if (pool->size() == MAX_POOL_WORDS)\n                return;", ""),
    ("words/wordpool.cpp", "wrong constant", "upper-case extensions count as recordings",
     "(e[0] == u'w' && e[1] == u'a' && e[2] == u'v')", "((e[0] | 0x20) == u'w' && e[1] == u'a' && e[2] == u'v')"),
    ("words/wordpool.cpp", "off-by-one", "the word keeps the separator before it",
     "            start = c + 1;", "            start = c;"),
    ("words/wordpool.cpp", "off-by-one", "a recording's folder keeps its last separator",
     "static_cast<int>(text.lastIndexOf(QChar(platform::SEPARATOR)))", "static_cast<int>(text.lastIndexOf(QChar(platform::SEPARATOR)) + 1)"),
    ("words/schedule.cpp", "wrong constant", "the second review comes after two days, not three",
     "{1, 3, 7, 14, 0}", "{1, 2, 7, 14, 0}"),
    ("words/schedule.cpp", "branch removed", "a right answer moves a word on though it was not due",
     "} else if (dueThisTest && before.step > 0) {", "} else if ((dueThisTest || true) && before.step > 0) {"),
    ("words/schedule.cpp", "comparison", "a word is due a second late",
     "return word.step > 0 && word.due <= now;", "return word.step > 0 && word.due < now;"),
    ("words/schedule.cpp", "wrong constant", "due words may fill the whole of a test",
     "return dueOnly ? testLength : testLength / 2;", "return dueOnly ? testLength : testLength - testLength / 4;"),
    ("words/testrun.cpp", "missed write", "counters start at 0 even when remembering",
     "            m_pool[i].timesAsked = m_histories[slot].asked;\n", ""),
    ("words/testrun.cpp", "comparison", "the due words are asked newest first",
     "return m_histories[m_historyOf[a]].due < m_histories[m_historyOf[b]].due;",
     "return m_histories[m_historyOf[a]].due > m_histories[m_historyOf[b]].due;"),
    ("words/testrun.cpp", "missed write", "a word steps on twice in one test",
     "            m_dueAtStart[m_historyOf[m_current]] = 0;\n", ""),
    ("words/testrun.cpp", "missed write", "Again is not counted",
     "        ++m_plays;", "        (void)m_plays;"),
    ("words/testrun.cpp", "branch removed", "remember off still asks the due words first",
     "const bool useHistory = (remember || dueOnly)", "const bool useHistory = (true || dueOnly)"),
    ("words/historyimport.cpp", "missed write", "an imported answer does not count as asked",
     "kept.asked = asked == UINT32_MAX ? asked : asked + 1;", "kept.asked = asked;"),
    ("words/wordselection.cpp", "comparison", "a review comes one word late",
     "if (currentNumber - *lastReviewAt <= reviewGap(", "if (currentNumber - *lastReviewAt < reviewGap("),
    ("words/wordselection.cpp", "wrong constant", "a wrong answer costs two points",
     "word->score -= 1;", "word->score -= 2;"),
    ("words/wordselection.cpp", "wrong constant", "the review gap of a 300-word test on a small pool",
     "return large ? 10 : 7;", "return large ? 10 : 8;"),
    ("words/wordselection.cpp", "off-by-one", "the most recent weak word is not held back among two",
     "if (candidates.size() >= 2) {", "if (candidates.size() >= 3) {"),
    ("words/wordselection.cpp", "swapped argument", "the index counts a word leaving the least-asked level up",
     "markAtMinimum(index, -1);", "markAtMinimum(index, +1);"),
    ("words/wordselection.cpp", "comparison", "a pool of exactly 30 words counts as small",
     "const bool large = poolSize >= 30;", "const bool large = poolSize > 30;"),
    # settings/
    ("settings/settings.cpp", "branch removed", "a key matches a longer key that starts like it",
     "if (static_cast<std::size_t>(lineEquals - line) != length)\n        return false;", ""),
    ("settings/settings.cpp", "wrong constant", "the smallest int no longer reads back",
     "constexpr int MAX_VALUE_CHARS = 11;", "constexpr int MAX_VALUE_CHARS = 10;"),
    ("settings/settings.cpp", "branch removed", "a CR LF line's value keeps its CR",
     "if (!value.empty() && value.back() == '\\r')\n            value.pop_back();", ""),
    ("settings/settings.cpp", "missed write", "a new key is joined to an unterminated last line",
     "if (!result.empty() && result.back() != '\\n')\n            result += '\\n';", ""),
    ("settings/settings.cpp", "branch removed", "the last line of a key wins instead of the first",
     "if (found || line.compare(0, searchLength, search) != 0)", "if (line.compare(0, searchLength, search) != 0)"),
    ("settings/options.cpp", "swapped argument", "the update box is stored in the user's scope",
     "setSettingInt(UPDATE_CHECK, on ? 1 : 0, SCOPE_MACHINE)", "setSettingInt(UPDATE_CHECK, on ? 1 : 0, SCOPE_USER)"),
    ("settings/options.cpp", "branch removed", "a stored test length of 0 is not raised to 1",
     "std::clamp(length, std::uint32_t(MIN_TEST_LENGTH), std::uint32_t(MAX_TEST_LENGTH))",
     "std::min(length, std::uint32_t(MAX_TEST_LENGTH))"),
    ("settings/options.cpp", "comparison", "a hand-written tip=2 shows the Tips window",
     "return tipsSwitch() == 1;", "return tipsSwitch() != 0;"),
    ("settings/options.cpp", "wrong bound", "a test length above the limit is stored as it is",
     "std::clamp(length, MIN_TEST_LENGTH, MAX_TEST_LENGTH)", "std::max(length, MIN_TEST_LENGTH)"),
    ("settings/dlgsettings.cpp", "missed write", "OK forgets the test length",
     "    setTestLength(testNumber);\n", ""),
    ("widgets/placement.cpp", "swapped argument", "the Tips window is placed by the wrong height",
     "(mainWindow.height() - window.height()) / 2", "(mainWindow.height() - window.width()) / 2"),
    ("settings/dlgtips.cpp", "comparison", "Do not show again stores the opposite",
     "setTipsAtStart(!ui->", "setTipsAtStart(ui->"),
    # statistics/
    ("statistics/statisticsfile.cpp", "off-by-one", "the month in a test's time stamp",
     "twoDigits(local.tm_mon + 1)", "twoDigits(local.tm_mon)"),
    ("statistics/statisticsfile.cpp", "wrong constant", "answer records are written a byte short",
     "bytes.append(3, '\\0');", "bytes.append(2, '\\0');"),
    ("statistics/statisticsfile.cpp", "branch removed", "a damaged count is trusted over the file's length",
     "m_whole = whole < static_cast<long>(m_count) ? static_cast<std::uint32_t>(whole) : m_count;",
     "m_whole = whole >= 0 ? m_count : 0;"),
    ("statistics/statisticsfile.cpp", "wrong constant", "the correct byte is read from the wrong offset",
     "answer->correct = record[524];", "answer->correct = record[525];"),
    ("statistics/statisticslist.cpp", "comparison", "letters where the stamp has digits are listed",
     "name[i] >= u'0' && name[i] <= u'9'", "name[i] >= u'0'"),
    ("statistics/statisticslist.cpp", "comparison", "stored tests are listed oldest first",
     "return x.fields[i] > y.fields[i];", "return x.fields[i] < y.fields[i];"),
    ("statistics/statisticslist.cpp", "swapped argument", "the day outweighs the year",
     "moment.fields[2 - i] = number(parts[i]);", "moment.fields[i] = number(parts[i]);"),
    ("statistics/report.cpp", "branch removed", "the success rate is not capped at 100",
     "const std::uint32_t shown = correct < count ? correct : count;", "const std::uint32_t shown = correct;"),
    ("statistics/report.cpp", "comparison", "the Wrong filter shows the correct answers",
     "case FILTER_WRONG:\n        return !correct;", "case FILTER_WRONG:\n        return correct;"),
    ("statistics/report.cpp", "comparison", "the export marks swapped",
     "if (correct)\n                document.append(u\"</td><td class=\\\"c\\\">\");",
     "if (!correct)\n                document.append(u\"</td><td class=\\\"c\\\">\");"),
    ("statistics/reportslices.cpp", "off-by-one", "the last row of a long report never arrives",
     "m_taken = std::min(m_taken + std::max(rows, 1), rowCount());",
     "m_taken = std::min(m_taken + std::max(rows, 1), rowCount() - 1);"),
    ("statistics/threadcore.cpp", "missed write", "the export form is never asked for",
     "    exportMode = on;", "    exportMode = on && !on;"),
    ("statistics/dlgstatistics.cpp", "swapped argument", "the two filter boxes act for each other",
     ": correct        ? FILTER_CORRECT\n                                 : wrong          ? FILTER_WRONG",
     ": correct        ? FILTER_WRONG\n                                 : wrong          ? FILTER_CORRECT"),
    ("statistics/dlgstatistics.cpp", "missed write", "Delete leaves the stored test on disk",
     "    platform::deleteFile(path);\n", ""),
    ("statistics/report.cpp", "missed write", "an export is never written",
     "    return platform::replaceFile(QFile::encodeName(path)", "    return true || platform::replaceFile(QFile::encodeName(path)"),
    # update/
    ("update/updatecheck.cpp", "comparison", "the once-a-day rule inverted",
     "lastUpdateCheckDay() != today();", "lastUpdateCheckDay() == today();"),
    ("update/updatecheck.cpp", "missed write", "the day of the check is not stored",
     "    setLastUpdateCheckDay(today());\n", ""),
    ("update/updatecheck.cpp", "off-by-one", "a value that fills the buffer overruns its terminator",
     "if (valueLength + 1 <= outSize) {", "if (valueLength <= outSize) {"),
    ("update/updatecheck.cpp", "comparison", "new_version 2 counts as a new version",
     "== 1 ? UPDATE_AVAILABLE : UPDATE_NONE;", ">= 1 ? UPDATE_AVAILABLE : UPDATE_NONE;"),
    ("update/dlgupdate.cpp", "wrong constant", "the question's window is too narrow for it",
     "? 340 : 350;", "? 340 : 340;"),
    ("update/dlgupdate.cpp", "missed write", "Yes does not tell the main window to close",
     "    close();\n    emit downloadUpdate();", "    close();"),
    ("update/dlgupdate.cpp", "comparison", "the up-to-date and unavailable texts swapped",
     "ui->lblLabel->setText(mode == UPDATE_NONE", "ui->lblLabel->setText(mode != UPDATE_NONE"),
    # app/
    ("words/judging.cpp", "comparison", "a wrong letter of the answer is shown black",
     "typedRight[i - 1] = match(i - 1, j - 1);", "typedRight[i - 1] = true;"),
    ("words/judging.cpp", "wrong constant", "answers are judged with case",
     "return rules.capitals ? code : QChar::toCaseFolded(code);", "return code;"),
    ("words/testrun.cpp", "missed write", "a finished test is not stored",
     "        writeStatistics(m_answers, m_correct);\n", ""),
    ("words/history.cpp", "wrong constant", "a database from a newer program is used as it is",
     "if (*version < 0 || *version > LATEST_VERSION)", "if (*version < 0 || *version > LATEST_VERSION + 1)"),
    ("app/mainwindow.cpp", "branch removed", "Enter on an empty answer is judged",
     "if (ui->leInput->isEnabled() && (!ui->leInput->text().isEmpty() || playFailed))",
     "if (ui->leInput->isEnabled())"),
    ("app/mainwindow.cpp", "missed write", "Again stays off after the word has played",
     "        ui->btnAgain->setEnabled(true);\n", ""),
    # progress/
    ("progress/progressreport.cpp", "comparison", "the words least often missed come first",
     "return a->missed > b->missed;", "return a->missed < b->missed;"),
    ("progress/progressreport.cpp", "comparison", "among equal misses the smaller share comes first",
     "return left > right;", "return left < right;"),
    ("progress/progressreport.cpp", "wrong bound", "a word at its first review step counts as known",
     "if (wordHistory.step > 0)\n                ++standing.learning;", "if (wordHistory.step > 1)\n                ++standing.learning;"),
    ("progress/progressreport.cpp", "comparison", "misspellings differing in case are counted apart",
     "[&](const auto& seen) { return seen.first.toCaseFolded() == typed; });",
     "[&](const auto& seen) { return seen.first == answer.typed; });"),
    ("progress/progressreport.cpp", "wrong bound", "slips of every day are counted, not the last 30",
     "answer.at >= slipsSince && answer.at <= now", "answer.at >= slipsSince - 365 * 86400 && answer.at <= now"),
    ("progress/progressreport.cpp", "off-by-one", "the chart leaves out the newest test",
     "for (auto stamp = stamps.rbegin(); stamp", "for (auto stamp = stamps.rbegin() + (stamps.empty() ? 0 : 1); stamp"),
    ("words/history.cpp", "branch removed", "every answer is taken for the first folder's",
     "if (folder == nullptr || QStringView(answer->folder) != QStringView(folder, folderUnits))",
     "if (folder == nullptr || (answer->folder.isEmpty() && folderUnits >= 0))"),
    ("text/csv.cpp", "wrong constant", "a cell starting with - runs as a formula",
     "QStringLiteral(\"=+-@\\t\\r\")", "QStringLiteral(\"=+@\\t\\r\")"),
    ("text/csv.cpp", "missed write", "a quoted cell loses its formula guard",
     "(guarded ? QStringLiteral(\"'\") : QString())", "QString()"),
    ("widgets/scorechart.cpp", "wrong constant", "the average takes the last 9 tests",
     "constexpr std::size_t WINDOW = 10;", "constexpr std::size_t WINDOW = 9;"),
    ("words/slips.cpp", "branch removed", "an answer nothing like the word is sorted into slips",
     "if (edits >= 2 && 2 * edits > std::max(rows, columns))\n        return bit(SlipKind::Other);", ""),
    ("words/judging.cpp", "comparison", "a curly apostrophe is wrong for a straight one",
     "if (code == 0x2019 || code == 0x2018 ||", "if (code == 0x2018 ||"),
    ("words/judging.cpp", "missed write", "a run of spaces inside counts as it stands",
     "            space = !plain.isEmpty();\n            continue;", "            space = !plain.isEmpty();"),
    ("words/judging.cpp", "branch removed", "accents count whatever the setting",
     "if (!rules.accents && QChar::isMark(code))", "if (false && QChar::isMark(code))"),
    ("words/testrun.cpp", "branch removed", "an answer after a hint counts as right",
     "const bool correct = spelt && m_hints == 0;", "const bool correct = spelt;"),
    # widgets/
    ("widgets/appearance.cpp", "comparison", "a long word keeps the result line's size",
     "document.idealWidth() <= room.width() &&", "document.idealWidth() >= 0 &&"),
    ("widgets/messagebox.cpp", "missed write", "a message is lost instead of shown",
     "        collected << text;\n", ""),
    # tools/
    ("builder/build.cpp", "wrong constant", "one engine at a time, whatever the jobs",
     "std::min<std::size_t>(std::max(options.jobs, 1),", "std::min<std::size_t>(1 + 0 * options.jobs,"),
    ("builder/build.cpp", "branch removed", "a word stopped by Cancel counts as failed",
     "        else if (!isCancelled(cancel))\n            report(line, LineDone::Failed", "        else\n            report(line, LineDone::Failed"),
    ("builder/wav.cpp", "wrong bound", "a word spoken in a run keeps the pause after it",
     "std::min(spoken[i].second + after,", "std::min(spoken[i].second + 4 * after,"),
    ("builder/build.cpp", "branch removed", "a run not cut one a word loses its words",
     "                else if (!isCancelled(cancel))\n                    finish(*plain[i]", "                else if (false)\n                    finish(*plain[i]"),
    ("dictionaries/dictionaries.cpp", "branch removed", "another copy's Default is listed as well",
     "else if (isOtherSampleDefault(entry.path))", "else if (false && isOtherSampleDefault(entry.path))"),
    ("builder/wordlist.cpp", "branch removed", "'..' is taken for a word",
     "if (name == QLatin1String(\".\") || name == QLatin1String(\"..\"))",
     "if (name == QLatin1String(\".\"))"),
    ("builder/wav.cpp", "branch removed", "a recording cut short counts as whole",
     "return hasFormat && size <= file.size() - start ? size : -1;", "return hasFormat ? size : -1;"),
    ("builder/build.cpp", "comparison", "--force replaces the user's own recordings",
     "!(options.force && existing.endsWith(RECORDING_SUFFIX))", "!options.force"),
    ("platform/playback.cpp", "wrong bound", "a letter past ASCII goes into the pipeline as it is",
     "if (c >= 0x20 && c < 0x7f && c != '\"'", "if (c >= 0x20 && c != 0x7f && c != '\"'"),
    ("platform/playback.cpp", "branch removed", "a backslash of the inner quoting is not escaped",
     "if (c == QLatin1Char('\"') || c == QLatin1Char('\\\\'))", "if (c == QLatin1Char('\"'))"),
    ("app/mainwindow.cpp", "wrong constant", "the slow replay plays at full speed",
     "constexpr qreal SLOW_RATE = 0.7;", "constexpr qreal SLOW_RATE = 1.0;"),
    ("app/mainwindow.cpp", "missed call", "Again's menu item does nothing",
     "connect(playSlowly, &QAction::triggered, this, [this] { replayWord(true); });",
     "connect(playSlowly, &QAction::triggered, this, [] {});"),
    ("app/mainwindow.cpp", "missed call", "the verdict never reaches a screen reader",
     "    ui->lblResult->setAccessibleName(text);", "    Q_UNUSED(text);"),
    ("app/mainwindow.cpp", "wrong text", "the spoken verdict leaves out the spelling",
     "letters.join(QLatin1Char(' '))", "word"),
    ("widgets/language.cpp", "branch removed", "an English desktop still gets a later language",
     "        if (language == QLatin1String(\"en\"))\n            return QString();\n", ""),
    ("widgets/language.cpp", "wrong text", "a language written with its country is not recognised",
     ".section(QLatin1Char('_'), 0, 0).toLower()", ".toLower()"),
    ("widgets/language.cpp", "missed call", "the program's translation is loaded but never installed",
     "        QCoreApplication::installTranslator(own);", "        Q_UNUSED(own);"),
    ("app/mainwindow.cpp", "wrong text", "the toolbar's pictures are named by their short text",
     "button->setAccessibleName(QString(action->toolTip())", "button->setAccessibleName(QString(action->text())"),
    ("words/history.cpp", "wrong constant", "a history SQLite calls out of memory is never set aside",
     "return room == nullptr;", "return true;"),
    ("progress/dlgprogress.cpp", "wrong bound", "a word list heading longer than its column is cut",
     "std::max(wordWidths[i], ui->trwWords->header()->sectionSizeHint(i))", "wordWidths[i]"),
]


def run(command, cwd, log, timeout=None):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def copy_tree(source, scratch, rev):
    if rev:
        archive = subprocess.run(["git", "-C", source, "archive", rev], stdout=subprocess.PIPE, check=True)
        subprocess.run(["tar", "-x", "-C", scratch], input=archive.stdout, check=True)
        return
    listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            stdout=subprocess.PIPE, check=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        if not os.path.exists(os.path.join(source, name)):
            continue
        os.makedirs(os.path.join(scratch, os.path.dirname(name)), exist_ok=True)
        shutil.copy2(os.path.join(source, name), os.path.join(scratch, name))


def failed_tests(log):
    with open(log, errors="replace") as f:
        text = f.read()
    names = re.findall(r"Test +#\d+: (\S+) \.+\**\s*(?:Failed|Subprocess|Timeout|Exception)", text)
    return ",".join(sorted(set(names))) or "?"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rev", help="test this commit instead of the working tree")
    parser.add_argument("--only", help="comma-separated mutant numbers")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--keep", action="store_true", help="keep the scratch folder")
    args = parser.parse_args()

    chosen = range(1, len(MUTANTS) + 1)
    if args.only:
        chosen = [int(n) for n in args.only.split(",")]
    if args.list:
        for n in chosen:
            path, kind, what = MUTANTS[n - 1][:3]
            print(f"{n:3} {path:34} {kind:16} {what}")
        return 0

    source = subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=os.path.dirname(os.path.abspath(__file__)),
                            stdout=subprocess.PIPE, check=True).stdout.decode().strip()
    scratch = tempfile.mkdtemp(prefix="quillora-mutate-")
    build = os.path.join(scratch, "build")
    logs = os.path.join(scratch, "logs")
    os.makedirs(logs)
    print(f"scratch copy: {scratch}", flush=True)
    try:
        copy_tree(source, scratch, args.rev)
        jobs = f"-j{args.jobs}"
        if (run(["cmake", "-S", scratch, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], scratch,
                os.path.join(logs, "configure.log")) != 0
                or run(["cmake", "--build", build, jobs], scratch, os.path.join(logs, "build.log")) != 0):
            print(f"the unmutated tree does not build; see {logs}")
            return 2
        # A test that fails once on a loaded machine gets a second run, so only a steady failure kills.
        ctest = ["ctest", "--test-dir", build, jobs, "--timeout", "180", "--output-on-failure",
                 "-LE", "soak", "--repeat", "until-pass:2"]
        baseline = os.path.join(logs, "baseline.log")
        if run(ctest, scratch, baseline) != 0:
            print(f"the unmutated tree fails {failed_tests(baseline)}; see {baseline}")
            args.keep = True
            return 2

        results = []
        for n in chosen:
            path, kind, what, before, after = MUTANTS[n - 1]
            file = os.path.join(scratch, path)
            with open(file) as f:
                original = f.read()
            started = time.time()
            if original.count(before) != 1:
                status, detail = "stale", f"the text occurs {original.count(before)} times"
            else:
                with open(file, "w") as f:
                    f.write(original.replace(before, after))
                log = os.path.join(logs, f"mutant{n}.log")
                if run(["cmake", "--build", build, jobs], scratch, log) != 0:
                    status, detail = "no build", ""
                elif run(ctest + ["--stop-on-failure"], scratch, log, timeout=900) != 0:
                    status, detail = "killed", failed_tests(log)
                else:
                    status, detail = "SURVIVED", ""
                with open(file, "w") as f:
                    f.write(original)
            results.append((n, path, kind, what, status, detail))
            print(f"{n:3} {status:8} {path:34} {what}  {detail}  ({time.time() - started:.0f} s)", flush=True)

        ran = [r for r in results if r[4] in ("killed", "SURVIVED")]
        killed = sum(1 for r in ran if r[4] == "killed")
        print()
        print("| # | file | kind | fault | result | caught by |")
        print("|---|---|---|---|---|---|")
        for n, path, kind, what, status, detail in results:
            print(f"| {n} | {path} | {kind} | {what} | {status} | {detail} |")
        print()
        share = 100.0 * killed / len(ran) if ran else 0.0
        print(f"{killed} of {len(ran)} mutants killed ({share:.1f} %), "
              f"{len(ran) - killed} survived, {len(results) - len(ran)} not run")
        return 0
    finally:
        if args.keep:
            print(f"kept {scratch}")
        else:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

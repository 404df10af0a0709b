#include "history.h"

#include "platform/appfolders.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "text/boundedstring.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <iterator>

#include <sqlite3.h>

namespace {

// The layout this program writes. A file from a later program is set aside; an earlier one is brought up to it.
constexpr int LATEST_VERSION = 2;

// Each step takes the history from one version to the next, all of them in one transaction; a later version
// adds its step here.
const char* const MIGRATIONS[LATEST_VERSION] = {
    // 0 to 1: the words with their reviews, and every answer. The index serves the views by date.
    // A folder's words lie together, so a test's start reads them in one sweep.
    "CREATE TABLE words(folder TEXT NOT NULL, word TEXT NOT NULL, id INTEGER NOT NULL UNIQUE,"
    " asked INTEGER NOT NULL, step INTEGER NOT NULL, due INTEGER NOT NULL, PRIMARY KEY(folder, word)) WITHOUT ROWID;"
    "CREATE TABLE answers(id INTEGER PRIMARY KEY, word INTEGER NOT NULL REFERENCES words(id),"
    " at INTEGER NOT NULL, typed TEXT NOT NULL, correct INTEGER NOT NULL, plays INTEGER NOT NULL,"
    " milliseconds INTEGER NOT NULL);"
    "CREATE INDEX answers_at ON answers(at);"
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT);",
    // 1 to 2: the hints taken before each answer.
    "ALTER TABLE answers ADD COLUMN hints INTEGER NOT NULL DEFAULT 0;",
};

// What a file of an earlier version must hold before it is brought up: a query per table, naming every column.
const char* const EARLIER_LAYOUTS[LATEST_VERSION - 1][3] = {
    {"SELECT folder, word, id, asked, step, due FROM words",
     "SELECT id, word, at, typed, correct, plays, milliseconds"
     " FROM answers",
     "SELECT key, value FROM meta"},
};

// In the order of History::Statement. Preparing them is also the check that a file has our tables and columns.
const char* const STATEMENTS[] = {
    "INSERT INTO words(folder, word, id, asked, step, due)"
    " VALUES(?1, ?2, (SELECT coalesce(max(id), 0) + 1 FROM words), ?3, ?4, ?5) ON CONFLICT(folder, word)"
    " DO UPDATE SET asked = excluded.asked, step = excluded.step, due = excluded.due",
    "INSERT INTO answers(word, at, typed, correct, plays, milliseconds, hints)"
    " VALUES((SELECT id FROM words WHERE folder = ?1 AND word = ?2), ?3, ?4, ?5, ?6, ?7, ?8)",
    "SELECT count(*) FROM words WHERE folder = ?1",
    "SELECT word, asked, step, due FROM words WHERE folder = ?1",
    "SELECT asked, step, due FROM words WHERE folder = ?1 AND word = ?2",
    "SELECT w.folder, w.word, a.at, a.typed, a.correct, a.plays, a.milliseconds, a.hints"
    " FROM answers a JOIN words w ON w.id = a.word ORDER BY a.id DESC LIMIT ?1",
    "SELECT w.folder, w.word, a.at, a.typed, a.correct, a.plays, a.milliseconds, a.hints"
    " FROM answers a JOIN words w ON w.id = a.word WHERE a.at >= ?1 ORDER BY a.id",
    "SELECT w.folder, w.word, a.at, a.typed, a.correct, a.plays, a.milliseconds, a.hints"
    " FROM answers a JOIN words w ON w.id = a.word WHERE a.at >= ?1 ORDER BY a.id DESC",
    "SELECT 1 FROM meta WHERE key = 'stored_tests_imported' AND value = '1'",
    "INSERT OR REPLACE INTO meta(key, value) VALUES('stored_tests_imported', '1')",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SAVEPOINT answer",
    "RELEASE answer",
    "ROLLBACK TO answer",
};

// Codes that say something about the moment rather than the file: trying again later may work.
bool passing(int code)
{
    switch (code & 0xff) {
    case SQLITE_NOMEM: {
        // SQLite also answers some damaged schemas with "out of memory", on every try. While a megabyte can still be
        // had, the file is to blame.
        void* room = sqlite3_malloc(1 << 20);
        sqlite3_free(room);
        return room == nullptr;
    }
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_INTERRUPT:
        return true;
    default:
        return false;
    }
}

// One use of a prepared statement, reset and unbound when it ends so the next use starts clean.
class Use
{
public:
    explicit Use(sqlite3_stmt* statement) : m_statement(statement) {}
    ~Use()
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    // The text stays the caller's until the use ends.
    void bind(int index, const QString& text)
    {
        sqlite3_bind_text16(m_statement, index, text.utf16(), static_cast<int>(text.size()) * 2, SQLITE_STATIC);
    }
    void bind(int index, std::int64_t value) { sqlite3_bind_int64(m_statement, index, value); }
    int step() { return sqlite3_step(m_statement); }
    std::int64_t integer(int column) const { return sqlite3_column_int64(m_statement, column); }
    // A damaged file may hold anything: counts outside their range are cut to it.
    std::uint32_t count(int column) const
    {
        return static_cast<std::uint32_t>(std::clamp<std::int64_t>(integer(column), 0, UINT32_MAX));
    }
    // The history keeps its text as UTF-16, so this is a copy, not a conversion.
    QString text(int column) const
    {
        const auto* units = static_cast<const QChar*>(sqlite3_column_text16(m_statement, column));
        return units != nullptr ? QString(units, sqlite3_column_bytes16(m_statement, column) / 2) : QString();
    }
    // Valid until the next step.
    const void* text16(int column) const { return sqlite3_column_text16(m_statement, column); }
    int bytes16(int column) const { return sqlite3_column_bytes16(m_statement, column); }
    WordHistory word(int first) const
    {
        WordHistory history;
        history.asked = count(first);
        history.step = static_cast<int>(std::clamp<std::int64_t>(integer(first + 1), 0, REVIEW_STEPS));
        history.due = integer(first + 2);
        return history;
    }

private:
    sqlite3_stmt* m_statement;
};

int execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// The first column of the first row of a query, with the code that ended it.
int queryInteger(sqlite3* db, const char* sql, std::int64_t* value)
{
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(statement);
        if (code == SQLITE_ROW) {
            *value = sqlite3_column_int64(statement, 0);
            code = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return code;
}

// What a file holds, read without writing: its version, and whether it is a history at all. SQLITE_NOTADB for a
// file from a later program or another program's database; at the latest version, every statement must find its
// tables and columns.
int examine(sqlite3* db, std::int64_t* version)
{
    int code = queryInteger(db, "PRAGMA user_version", version);
    if (code != SQLITE_OK)
        return code;
    if (*version < 0 || *version > LATEST_VERSION)
        return SQLITE_NOTADB;
    if (*version == 0) {
        // Ours is never without its tables.
        std::int64_t tables = 0;
        code = queryInteger(db, "SELECT count(*) FROM sqlite_master", &tables);
        return code == SQLITE_OK && tables != 0 ? SQLITE_NOTADB : code;
    }
    // Triggers and views are none of ours, and would run or answer in place of the tables.
    std::int64_t strangers = 0;
    code = queryInteger(db, "SELECT count(*) FROM sqlite_master WHERE type IN ('trigger', 'view')", &strangers);
    if (code == SQLITE_OK && strangers != 0)
        return SQLITE_NOTADB;
    if (code != SQLITE_OK)
        return code;
    // An earlier layout is brought up first, once its own tables and columns are all there.
    if (*version < LATEST_VERSION) {
        for (const char* query : EARLIER_LAYOUTS[*version - 1]) {
            sqlite3_stmt* statement = nullptr;
            code = sqlite3_prepare_v2(db, query, -1, &statement, nullptr);
            sqlite3_finalize(statement);
            if (code != SQLITE_OK)
                return code;
        }
        return SQLITE_OK;
    }
    for (int i = 0; code == SQLITE_OK && i < int(std::size(STATEMENTS)); ++i) {
        sqlite3_stmt* statement = nullptr;
        code = sqlite3_prepare_v2(db, STATEMENTS[i], -1, &statement, nullptr);
        sqlite3_finalize(statement);
    }
    return code;
}

const char16_t* units(const QString& text)
{
    return reinterpret_cast<const char16_t*>(text.utf16());
}

// Journals SQLite keeps beside a database; they belong to it wherever it goes.
const char* const COMPANIONS[] = {"-wal", "-shm", "-journal"};

void removeWithCompanions(const QString& path)
{
    platform::deleteFile(units(path));
    for (const char* companion : COMPANIONS)
        platform::deleteFile(units(path + QLatin1String(companion)));
}

// Moves the file and its journals to a name no earlier damaged file has; that name, or empty when it cannot.
QString setAside(const QString& path)
{
    std::tm local{};
    platform::localTimeNow(&local);
    const QString base =
        path + QString::asprintf(".damaged-%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                                 local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    QString target = base;
    for (int n = 2; platform::pathExists(units(target)); ++n) {
        if (n > 1000)
            return QString();
        target = base + QLatin1Char('-') + QString::number(n);
    }
    if (!platform::renamePath(units(path), units(target)))
        return QString();
    for (const char* companion : COMPANIONS) {
        const QString from = path + QLatin1String(companion);
        if (platform::pathExists(units(from)))
            platform::renamePath(units(from), units(target + QLatin1String(companion)));
    }
    return target;
}

} // namespace

History::~History()
{
    close();
}

History::OpenResult History::open(const QString& path)
{
    close();
    m_setAsideTo.clear();
    QString file = path;
    if (file.isEmpty()) {
        char16_t buffer[PATH_UNITS];
        if (!platform::historyPath(buffer, PATH_UNITS, true))
            return Unavailable;
        file = QString::fromUtf16(buffer);
    }
    const bool existed = platform::pathExists(units(file));
    bool created = false;
    Attempt attempt = attach(file, &created);
    if (attempt == Attempt::Usable) {
        m_path = file;
        return existed && !created ? Opened : Created;
    }
    if (!existed) {
        // What the failed try made is no history of anyone's.
        removeWithCompanions(file);
        return Unavailable;
    }
    if (attempt == Attempt::Failed)
        return Unavailable;
    m_setAsideTo = setAside(file);
    if (m_setAsideTo.isEmpty())
        return Unavailable;
    attempt = attach(file, &created);
    if (attempt == Attempt::Usable) {
        m_path = file;
        return SetAside;
    }
    removeWithCompanions(file);
    return Unavailable;
}

History::OpenResult History::openForReading(const QString& path)
{
    close();
    m_setAsideTo.clear();
    if (path.isEmpty() || !platform::pathExists(units(path)))
        return Unavailable;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    std::int64_t version = 0;
    int code = opened;
    if (code == SQLITE_OK) {
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_busy_timeout(m_db, 2000);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        code = examine(m_db, &version);
    }
    // Only a history of this program's own layout is read; an older one is brought up by the program first.
    if (code == SQLITE_OK && version != LATEST_VERSION)
        code = SQLITE_NOTADB;
    if (code == SQLITE_OK)
        code = prepareStatements();
    if (code == SQLITE_OK)
        code = execute(m_db, "PRAGMA mmap_size = 268435456");
    if (code != SQLITE_OK) {
        detach();
        return Unavailable;
    }
    m_path = path;
    return Opened;
}

History::Attempt History::attach(const QString& path, bool* created)
{
    *created = false;
    const QByteArray name = QFile::encodeName(path);
    const auto classify = [](int code) { return passing(code) ? Attempt::Failed : Attempt::Unusable; };
    std::int64_t version = 0;
    if (platform::pathExists(units(path))) {
        // A first look through a connection that cannot write, so that a file which is not a history is set aside
        // as it was found. What keeps it from even looking is left to the real open below.
        sqlite3* look = nullptr;
        int code = sqlite3_open_v2(name.constData(), &look, SQLITE_OPEN_READONLY, nullptr);
        if (code == SQLITE_OK) {
            sqlite3_busy_timeout(look, 2000);
            code = examine(look, &version);
        }
        sqlite3_close_v2(look);
        if (code != SQLITE_OK && (code & 0xff) != SQLITE_CANTOPEN && !passing(code))
            return Attempt::Unusable;
    }

    const int opened = sqlite3_open_v2(name.constData(), &m_db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    const auto fail = [this, classify](int code) {
        detach();
        return classify(code);
    };
    if (opened != SQLITE_OK)
        return fail(opened);
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
    // A file found in the data folder may come from anywhere: its schema runs no function with side effects.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    // SQLite opens a file it may not write read-only.
    if (sqlite3_db_readonly(m_db, "main") != 0)
        return fail(SQLITE_READONLY);
    int code = examine(m_db, &version);
    if (code != SQLITE_OK)
        return fail(code);
    // Words are kept as the program holds them, so a test's start reads them without a conversion per word. It
    // applies to a new file only.
    if (version == 0)
        execute(m_db, "PRAGMA encoding = 'UTF-16le'");
    // The write also proves the file takes writes; with nothing to bring up it writes nothing.
    code = execute(m_db, "BEGIN IMMEDIATE");
    for (auto v = version; code == SQLITE_OK && v < LATEST_VERSION; ++v)
        code = execute(m_db, MIGRATIONS[v]);
    if (code == SQLITE_OK && version < LATEST_VERSION)
        code = execute(m_db, ("PRAGMA user_version = " + QByteArray::number(LATEST_VERSION)).constData());
    // Preparing is the check that the file, brought up, has our tables and columns: a file that fails it is
    // rolled back and set aside as it was found.
    if (code == SQLITE_OK)
        code = prepareStatements();
    if (code == SQLITE_OK)
        code = execute(m_db, "COMMIT");
    if (code != SQLITE_OK) {
        execute(m_db, "ROLLBACK");
        return fail(code);
    }
    *created = version == 0;

    // The write-ahead log commits an answer without waiting for the disk: a killed program loses nothing
    // committed, and a power cut at worst the last answers, never the file.
    // Reading the file mapped rather than copied page by page halves the time a folder's words take to load.
    code = execute(m_db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON;"
                         " PRAGMA mmap_size = 268435456");
    if (code != SQLITE_OK)
        return fail(code);
    return Attempt::Usable;
}

int History::prepareStatements()
{
    static_assert(sizeof STATEMENTS / sizeof STATEMENTS[0] == STATEMENT_COUNT, "one text per statement");
    for (int i = 0; i < STATEMENT_COUNT; ++i) {
        const int code =
            sqlite3_prepare_v3(m_db, STATEMENTS[i], -1, SQLITE_PREPARE_PERSISTENT, &m_statements[i], nullptr);
        if (code != SQLITE_OK)
            return code;
    }
    return SQLITE_OK;
}

void History::detach()
{
    for (sqlite3_stmt*& statement : m_statements) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_inTransaction = false;
}

void History::close()
{
    rollback();
    detach();
}

bool History::run(Statement statement)
{
    Use use(m_statements[statement]);
    const int code = use.step();
    return code == SQLITE_DONE || code == SQLITE_ROW;
}

void History::visitWordsOf(const QString& folder,
                           const std::function<void(QStringView, const WordHistory&)>& visit) const
{
    if (m_db == nullptr)
        return;
    Use select(m_statements[SelectFolder]);
    select.bind(1, folder);
    while (select.step() == SQLITE_ROW) {
        const auto* text = static_cast<const QChar*>(select.text16(0));
        visit(QStringView(text, select.bytes16(0) / 2), select.word(1));
    }
}

QHash<QString, WordHistory> History::wordsOf(const QString& folder) const
{
    QHash<QString, WordHistory> words;
    if (m_db == nullptr)
        return words;
    {
        Use count(m_statements[CountFolder]);
        count.bind(1, folder);
        if (count.step() == SQLITE_ROW)
            words.reserve(static_cast<int>(std::min<std::int64_t>(count.integer(0), 1 << 24)));
    }
    Use select(m_statements[SelectFolder]);
    select.bind(1, folder);
    while (select.step() == SQLITE_ROW)
        words.insert(select.text(0), select.word(1));
    return words;
}

WordHistory History::wordOf(const QString& folder, const QString& word) const
{
    if (m_db == nullptr)
        return WordHistory();
    Use select(m_statements[SelectWord]);
    select.bind(1, folder);
    select.bind(2, word);
    return select.step() == SQLITE_ROW ? select.word(0) : WordHistory();
}

bool History::record(const AnswerRecord& answer, const WordHistory& after)
{
    if (m_db == nullptr)
        return false;
    // Inside a group an answer still goes in whole or not at all.
    const bool own = !m_inTransaction;
    if (!run(own ? Begin : Savepoint))
        return false;
    bool written = false;
    {
        Use word(m_statements[SaveWord]);
        word.bind(1, answer.folder);
        word.bind(2, answer.word);
        word.bind(3, static_cast<std::int64_t>(after.asked));
        word.bind(4, static_cast<std::int64_t>(after.step));
        word.bind(5, after.due);
        written = word.step() == SQLITE_DONE;
    }
    if (written) {
        Use kept(m_statements[SaveAnswer]);
        kept.bind(1, answer.folder);
        kept.bind(2, answer.word);
        kept.bind(3, answer.at);
        kept.bind(4, answer.typed);
        kept.bind(5, static_cast<std::int64_t>(answer.correct ? 1 : 0));
        kept.bind(6, static_cast<std::int64_t>(answer.plays));
        kept.bind(7, static_cast<std::int64_t>(answer.milliseconds));
        kept.bind(8, static_cast<std::int64_t>(answer.hints));
        written = kept.step() == SQLITE_DONE;
    }
    if (written && run(own ? Commit : Release))
        return true;
    // A full disk or a failed write may already have ended the whole transaction.
    const bool stillOpen = sqlite3_get_autocommit(m_db) == 0;
    if (own && stillOpen) {
        run(Rollback);
    } else if (!own && stillOpen) {
        run(RollbackToSavepoint);
        run(Release);
    } else if (!own) {
        m_inTransaction = false;
    }
    return false;
}

bool History::begin()
{
    if (m_db == nullptr || m_inTransaction || !run(Begin))
        return false;
    m_inTransaction = true;
    return true;
}

bool History::commit()
{
    if (m_db == nullptr || !m_inTransaction)
        return false;
    const bool committed = run(Commit);
    if (committed || sqlite3_get_autocommit(m_db) != 0)
        m_inTransaction = false;
    return committed;
}

void History::rollback()
{
    if (m_db == nullptr || !m_inTransaction)
        return;
    if (sqlite3_get_autocommit(m_db) == 0)
        run(Rollback);
    m_inTransaction = false;
}

bool History::storedTestsImported() const
{
    if (m_db == nullptr)
        return false;
    Use select(m_statements[SelectImported]);
    return select.step() == SQLITE_ROW;
}

bool History::setStoredTestsImported()
{
    return m_db != nullptr && run(SaveImported);
}

namespace {

void readAnswer(const Use& select, AnswerRecord* answer)
{
    // Answers come a folder at a time: the folder before is kept rather than made again.
    const auto* folder = static_cast<const QChar*>(select.text16(0));
    const int folderUnits = select.bytes16(0) / 2;
    if (folder == nullptr || QStringView(answer->folder) != QStringView(folder, folderUnits))
        answer->folder = select.text(0);
    answer->word = select.text(1);
    answer->at = select.integer(2);
    answer->typed = select.text(3);
    answer->correct = select.integer(4) != 0;
    answer->plays = select.count(5);
    answer->milliseconds = select.count(6);
    answer->hints = select.count(7);
}

} // namespace

void History::visitAnswers(Order order, std::int64_t since, const std::function<bool(const AnswerRecord&)>& visit) const
{
    if (m_db == nullptr)
        return;
    Use select(m_statements[order == OldestFirst ? SelectOldestFirst : SelectNewestFirst]);
    select.bind(1, since);
    AnswerRecord answer;
    while (select.step() == SQLITE_ROW) {
        readAnswer(select, &answer);
        if (!visit(answer))
            break;
    }
}

std::vector<AnswerRecord> History::lastAnswers(int limit) const
{
    std::vector<AnswerRecord> answers;
    if (m_db == nullptr || limit <= 0)
        return answers;
    answers.reserve(static_cast<std::size_t>(std::min(limit, 4096)));
    Use select(m_statements[SelectLast]);
    select.bind(1, static_cast<std::int64_t>(limit));
    while (select.step() == SQLITE_ROW) {
        AnswerRecord answer;
        readAnswer(select, &answer);
        answers.push_back(answer);
    }
    return answers;
}

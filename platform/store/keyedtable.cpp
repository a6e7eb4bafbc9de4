#include "platform/store/keyedtable.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/store/codes.h"
#include "platform/store/drivercommand.h"
#include "platform/store/driverror.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/positiontext.h"
#include "platform/store/sqliteerror.h"
#include "platform/store/tablebuilder.h"
#include "platform/store/tablecursor.h"
#include "platform/store/tablemeta.h"

namespace vorda::store {
namespace {

constexpr int kShareMask = 0xf0;
constexpr int kDenyAll = 0x10;

}  // namespace

KeyedTable::KeyedTable(const TableDesc& desc, void* buffer, std::shared_ptr<Connection> connection)
    : layout_(desc),
      buffer_(buffer),
      name_(desc.fileName),
      fixedConnection_(std::move(connection)),
      sequence_(std::make_unique<TableCursor>(*this)),
      get_(static_cast<size_t>(layout_.keyCount())),
      eraseEqual_(static_cast<size_t>(layout_.keyCount())) {}

KeyedTable::~KeyedTable() {
    close();
}

// ---- Opening and closing -------------------------------------------------

int KeyedTable::checkPath(bool mustExist) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p = fs::absolute(name_, ec).lexically_normal();
    const fs::file_status status = fs::status(p, ec);
    if (status.type() == fs::file_type::not_found) {
        path_ = p.string();
        return mustExist ? DriverError::fail(FileNotFound) : Ok;
    }
    if (ec)
        return DriverError::system(FileSystemError, ec.value(), p.string());
    path_ = fs::canonical(p, ec).string();
    if (ec)
        path_ = p.string();
    if (status.type() == fs::file_type::directory) {
        return DriverError::fail(FileSystemError, std::to_string(EISDIR),
                                 path_ + ": es un directorio");
    }
    if (status.type() != fs::file_type::regular) {
        return DriverError::fileSystem(path_ + ": no es un archivo común");
    }
    return Ok;
}

int KeyedTable::open(int mode) {
    if (open_)
        return DriverError::fail(AlreadyOpen);
    const bool readOnly = (mode & 0x0f) == 0;
    const bool exclusive = (mode & kShareMask) == kDenyAll;
    if (int code = checkPath(true); code != Ok)
        return code;
    // The connection first: the first one in the directory cleans up what
    // killed stations left, this table's half-made files included, which it
    // could not do once this open holds the table's lock.
    connection_ = fixedConnection_ ? fixedConnection_ : Connection::shared();
    if (!connection_)
        return FileSystemError;
    const int wait = std::exchange(recoverSeconds_, 0);
    const auto lockMode = exclusive ? LockFile::Mode::Exclusive : LockFile::Mode::Shared;
    if (int code = LockFile::acquire(path_, lockMode, !readOnly, wait, &lock_); code != Ok) {
        connection_.reset();
        return code;
    }
    if (!readOnly && ::access(path_.c_str(), W_OK) != 0) {
        const int err = errno;
        lock_.reset();
        connection_.reset();
        return DriverError::system(AccessDenied, err, path_);
    }
    if (int code = attachAndCheck(readOnly); code != Ok) {
        detach();
        readOnly_ = false;
        return code;
    }
    open_ = true;
    readOnly_ = readOnly;
    exclusive_ = exclusive;
    ++epoch_;
    current_ = {};
    return Ok;
}

int KeyedTable::attachAndCheck(bool readOnly) {
    if (connection_->inTransaction()) {
        return DriverError::fileSystem("No se puede abrir un archivo durante una transacción");
    }
    if (int code = connection_->attach(path_, readOnly, &schema_); code != Ok)
        return code;
    readOnly_ = readOnly;
    if (!readOnly && sqlite3_db_readonly(connection_->handle(), schema_.c_str()) == 1) {
        return DriverError::fail(AccessDenied, "0", path_ + ": sólo lectura");
    }
    const int code = TableMeta::check(connection_->handle(), schema_, layout_.signature(), owner_);
    return code == Ok ? probeKeys() : code;
}

// Reads the first and last entry of the table and of every index: cheap
// whatever the size, and it meets a damaged root or edge page at once.
int KeyedTable::probeKeys() {
    const std::string table = layout_.table(schema_);
    for (const char* dir : {"", " DESC"}) {
        if (int code = probe("SELECT id FROM " + table + " ORDER BY id" + dir + " LIMIT 1");
            code != Ok) {
            return code;
        }
        for (int k = 1; k <= layout_.keyCount(); ++k) {
            const KeyLayout& key = layout_.key(k);
            std::string order;
            for (const OrderExpr& e : key.terms) {
                const bool desc = e.descending != (dir[0] != '\0');
                order.append(order.empty() ? "" : ", ")
                    .append(layout_.expression(e))
                    .append(desc ? " DESC" : "");
            }
            std::string sql = "SELECT 1 FROM " + table;
            if (key.ownIndex)
                sql.append(" INDEXED BY ").append(sqlName(key.index));
            sql.append(" ORDER BY ").append(order).append(" LIMIT 1");
            if (int code = probe(sql); code != Ok)
                return code;
        }
    }
    return Ok;
}

int KeyedTable::probe(const std::string& sql) {
    Statement st;
    int rc = st.prepare(connection_->handle(), sql, false);
    if (rc == SQLITE_OK)
        rc = st.step();
    st.reset();
    return rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE ? Ok : failSqlite(rc);
}

// Drops statements, then the attachment, then (through the connection) the lock.
void KeyedTable::detach() {
    for (Statement* st : {&insert_, &insertWithId_, &update_, &erase_, &byId_, &count_})
        st->finalize();
    for (Statement& st : get_)
        st.finalize();
    for (Statement& st : eraseEqual_)
        st.finalize();
    if (connection_ && !schema_.empty())
        connection_->release(schema_, std::move(lock_));
    schema_.clear();
    lock_.reset();
    connection_.reset();
}

int KeyedTable::close() {
    if (!open_)
        return Ok;
    sequence_->flush();
    detach();
    open_ = false;
    readOnly_ = false;
    exclusive_ = false;
    current_ = {};
    return Ok;
}

// Takes the file's lock alone (waiting as a pending "Recover=" asks), for
// work that replaces or rebuilds the file while nobody has it open.
int KeyedTable::lockExclusively(std::unique_ptr<LockFile>* lock) {
    const int wait = std::exchange(recoverSeconds_, 0);
    return LockFile::acquire(path_, LockFile::Mode::Exclusive, true, wait, lock);
}

int KeyedTable::create() {
    if (open_)
        return DriverError::fail(AlreadyOpen);
    if (int code = checkPath(false); code != Ok)
        return code;
    std::unique_ptr<LockFile> lock;
    if (int code = lockExclusively(&lock); code != Ok)
        return code;
    return TableBuilder(layout_).create(path_, owner_);
}

int KeyedTable::send(std::string_view command) {
    const DriverCommand c = DriverCommand::parse(command);
    if (c.key == "RECOVER") {
        const std::optional<int> seconds = c.seconds();
        if (!seconds)
            return DriverError::fileSystem("Comando inválido: " + std::string(command));
        recoverSeconds_ = *seconds;
    } else if (c.key == "QUICKSCAN") {
        const std::optional<bool> on = c.onOff();
        if (!on)
            return DriverError::fileSystem("Comando inválido: " + std::string(command));
        sequence_->setQuickScan(*on);
    }
    return Ok;  // other drivers' commands are ignored
}

// ---- Reading -------------------------------------------------------------

int KeyedTable::requireOpen() const {
    return open_ ? Ok : DriverError::fileSystem("El archivo no está abierto");
}

int KeyedTable::requireWritable() const {
    return readOnly_ ? DriverError::fail(AccessDenied, "0", path_ + ": abierto sólo para lectura")
                     : Ok;
}

// The file is open for writing and has a current record to rewrite or delete.
int KeyedTable::requireWritableCurrent() const {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (int code = requireWritable(); code != Ok)
        return code;
    return current_.valid ? Ok : DriverError::fail(RecordNotFound);
}

int KeyedTable::keyNumber(int key) const {
    return key >= 0 && key <= layout_.keyCount()
               ? Ok
               : DriverError::fileSystem("Clave inexistente: " + std::to_string(key));
}

int KeyedTable::setKey(int key) {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (int code = keyNumber(key); code != Ok)
        return code;
    sequence_->setKeyOrder(key == 0 ? std::vector<OrderExpr>{} : layout_.key(key).terms);
    sequence_->startAtBuffer();
    return Ok;
}

int KeyedTable::resetTo(int key, const std::string& position) {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (int code = keyNumber(key); code != Ok)
        return code;
    sequence_->setKeyOrder(key == 0 ? std::vector<OrderExpr>{} : layout_.key(key).terms);
    return sequence_->startAt(position);
}

int KeyedTable::next() {
    return sequence_->next();
}

int KeyedTable::previous() {
    return sequence_->previous();
}

int KeyedTable::prepareNow(Statement& st, const std::string& sql) {
    const int rc = st.prepare(connection_->handle(), sql);
    return rc == SQLITE_OK ? Ok : failSqlite(rc);
}

// Steps `st` once: the row becomes the buffer and the current record.
int KeyedTable::readOne(Statement& st) {
    const int rc = st.step();
    if (rc == SQLITE_ROW) {
        layout_.readRecord(st, 2, record());
        setCurrent(st.integerAt(0), st.integerAt(1));
    }
    st.reset();
    if (rc == SQLITE_ROW)
        return Ok;
    return rc == SQLITE_DONE ? DriverError::fail(RecordNotFound) : failSqlite(rc);
}

int KeyedTable::get(int key) {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (key < 1 || key > layout_.keyCount())
        return keyNumber(-1);
    const KeyLayout& k = layout_.key(key);
    Statement& st = get_[static_cast<size_t>(key - 1)];
    const auto sql = [&] {
        std::string where;
        for (size_t i = 0; i < k.terms.size(); ++i) {
            where += (i ? " AND " : "") + layout_.expression(k.terms[i]) + " = ?" +
                     std::to_string(i + 1);
        }
        return "SELECT " + layout_.selectList() + " FROM " + layout_.table(schema_) + " WHERE " +
               where + " ORDER BY id LIMIT 1";
    };
    if (int code = prepared(st, sql); code != Ok)
        return code;
    for (size_t i = 0; i < k.terms.size(); ++i) {
        st.bind(static_cast<int>(i + 1), layout_.storedValue(record(), k.terms[i]));
    }
    return readOne(st);
}

std::string KeyedTable::position(int key) const {
    if (!current_.valid || key < 0 || key > layout_.keyCount())
        return {};
    std::vector<SqlValue> values;
    if (key > 0) {
        for (const OrderExpr& e : layout_.key(key).terms) {
            values.push_back(layout_.storedValue(current_.image.data(), e));
        }
    }
    return PositionText::encode(values, current_.id);
}

int KeyedTable::reget(const std::string& position) {
    if (int code = requireOpen(); code != Ok)
        return code;
    std::vector<SqlValue> values;
    int64_t id = 0;
    if (!PositionText::decode(position, &values, &id)) {
        return DriverError::fileSystem("Posición inválida");
    }
    const auto sql = [&] {
        return "SELECT " + layout_.selectList() + " FROM " + layout_.table(schema_) +
               " WHERE id = ?1";
    };
    if (int code = prepared(byId_, sql); code != Ok)
        return code;
    byId_.bindInteger(1, id);
    return readOne(byId_);
}

void KeyedTable::setCurrent(int64_t id, int64_t version) {
    current_.valid = true;
    current_.id = id;
    current_.version = version;
    current_.image.assign(record(), record() + layout_.desc().recordSize);
}

// ---- Writing -------------------------------------------------------------

int KeyedTable::add() {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (int code = requireWritable(); code != Ok)
        return code;
    // Inside a transaction, once a clustered table's first insert has taken
    // the file's write lock, the following ids are known without a query.
    int64_t* nextId = layout_.clustered() && connection_->inTransaction()
                          ? &connection_->nextId(schema_)
                          : nullptr;
    const bool idKnown = nextId != nullptr && *nextId > 0;
    Statement& st = idKnown ? insertWithId_ : insert_;
    if (int code = prepared(st,
                            [&] {
                                return idKnown ? layout_.insertWithIdSql(schema_)
                                               : layout_.insertSql(schema_);
                            });
        code != Ok) {
        return code;
    }
    if (int code = layout_.bindRecord(st, 1, record()); code != Ok) {
        st.reset();
        return code;
    }
    if (idKnown)
        st.bindInteger(layout_.boundColumnCount() + 1, *nextId);
    // A clustered table gives back the id it chose as a result row.
    int rc = st.step();
    int64_t id = idKnown ? *nextId : 0;
    if (rc == SQLITE_ROW) {
        id = st.integerAt(0);
        rc = st.step();
    } else if (rc == SQLITE_DONE && !layout_.clustered()) {
        id = sqlite3_last_insert_rowid(connection_->handle());
    }
    st.reset();
    if (rc != SQLITE_DONE)
        return failSqlite(rc);
    if (nextId != nullptr)
        *nextId = id + 1;
    connection_->noteWrite();
    setCurrent(id, 1);
    return Ok;
}

int KeyedTable::put() {
    if (int code = requireWritableCurrent(); code != Ok)
        return code;
    if (int code = prepared(update_, [&] { return layout_.updateSql(schema_); }); code != Ok)
        return code;
    if (int code = layout_.bindRecord(update_, 1, record()); code != Ok) {
        update_.reset();
        return code;
    }
    const int n = layout_.boundColumnCount();
    update_.bindInteger(n + 1, current_.id);
    update_.bindInteger(n + 2, current_.version);
    const int rc = update_.step();
    const int changed = sqlite3_changes(connection_->handle());
    update_.reset();
    if (rc != SQLITE_DONE)
        return failSqlite(rc);
    if (changed == 0)
        return DriverError::fail(ChangedByOther);
    connection_->noteWrite();
    setCurrent(current_.id, current_.version + 1);
    return Ok;
}

int KeyedTable::erase() {
    if (int code = requireWritableCurrent(); code != Ok)
        return code;
    const auto sql = [&] {
        return "DELETE FROM " + layout_.table(schema_) + " WHERE id = ?1 AND version = ?2";
    };
    if (int code = prepared(erase_, sql); code != Ok)
        return code;
    erase_.bindInteger(1, current_.id);
    erase_.bindInteger(2, current_.version);
    const int rc = erase_.step();
    const int changed = sqlite3_changes(connection_->handle());
    erase_.reset();
    if (rc != SQLITE_DONE)
        return failSqlite(rc);
    if (changed == 0)
        return DriverError::fail(ChangedByOther);
    connection_->noteWrite();
    current_ = {};
    return Ok;
}

std::string KeyedTable::keyEquals(int key) const {
    const KeyLayout& k = layout_.key(key);
    std::string where;
    for (size_t i = 0; i < k.terms.size(); ++i) {
        where += (i ? " AND " : " WHERE ") + layout_.expression(k.terms[i]) + " = ?" +
                 std::to_string(i + 1);
    }
    return where;
}

int KeyedTable::eraseEqual(int key, int64_t& erased) {
    erased = 0;
    if (int code = requireOpen(); code != Ok)
        return code;
    if (int code = requireWritable(); code != Ok)
        return code;
    if (key < 1 || key > layout_.keyCount())
        return keyNumber(-1);
    Statement& st = eraseEqual_[static_cast<size_t>(key - 1)];
    const auto sql = [&] { return "DELETE FROM " + layout_.table(schema_) + keyEquals(key); };
    if (int code = prepared(st, sql); code != Ok)
        return code;
    const KeyLayout& k = layout_.key(key);
    for (size_t i = 0; i < k.terms.size(); ++i)
        st.bind(static_cast<int>(i + 1), layout_.storedValue(record(), k.terms[i]));
    const int rc = st.step();
    erased = sqlite3_changes(connection_->handle());
    st.reset();
    if (rc != SQLITE_DONE) {
        erased = 0;
        return failSqlite(rc);
    }
    connection_->noteWrite();
    current_ = {};
    return Ok;
}

int KeyedTable::failSqlite(int rc) {
    sqlite3* db = connection_ ? connection_->handle() : nullptr;
    if (!SqliteError::isCorrupt(rc) || db == nullptr)
        return SqliteError::fail(db, rc);
    if (!readOnly_ && !schema_.empty())
        connection_->markForRebuild(schema_);
    return SqliteError::record(KeysNeedRebuild, rc);
}

// ---- Size, keys and cursors ----------------------------------------------

int64_t KeyedTable::records() {
    if (requireOpen() != Ok)
        return -1;
    if (prepared(count_, [&] { return "SELECT count(*) FROM " + layout_.table(schema_); }) != Ok)
        return -1;
    const int rc = count_.step();
    const int64_t n = rc == SQLITE_ROW ? count_.integerAt(0) : -1;
    count_.reset();
    if (rc != SQLITE_ROW)
        failSqlite(rc);
    return n;
}

int64_t KeyedTable::bytes() {
    std::error_code ec;
    const auto size = std::filesystem::file_size(open_ ? path_ : name_, ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

int KeyedTable::buildKeys() {
    if (open_)
        return exclusive_ ? rebuildWhileOpen() : DriverError::fail(AccessDenied);
    if (int code = checkPath(true); code != Ok)
        return code;
    std::unique_ptr<LockFile> lock;
    if (int code = lockExclusively(&lock); code != Ok)
        return code;
    return TableBuilder(layout_).rebuildKeys(path_, owner_);
}

// Under our own exclusive lock: detach, rebuild (the file may be replaced),
// attach again.
int KeyedTable::rebuildWhileOpen() {
    if (readOnly_)
        return requireWritable();
    if (connection_->inTransaction()) {
        return DriverError::fileSystem(
            "No se pueden reconstruir las claves durante una transacción");
    }
    std::unique_ptr<LockFile> lock = std::move(lock_);
    std::shared_ptr<Connection> connection = connection_;
    detach();
    const int code = TableBuilder(layout_).rebuildKeys(path_, owner_);
    connection_ = std::move(connection);
    lock_ = std::move(lock);
    ++epoch_;
    current_ = {};
    if (int again = connection_->attach(path_, false, &schema_); again != Ok) {
        lock_.reset();
        connection_.reset();
        open_ = false;
        return again;
    }
    return code;
}

std::unique_ptr<Cursor> KeyedTable::openCursor() {
    return std::make_unique<TableCursor>(*this);
}

std::unique_ptr<File> makeKeyedTable(const TableDesc& desc, void* buffer) {
    return std::make_unique<KeyedTable>(desc, buffer, nullptr);
}

std::unique_ptr<File> makeKeyedTable(const TableDesc& desc, void* buffer,
                                     std::shared_ptr<Connection> connection) {
    return std::make_unique<KeyedTable>(desc, buffer, std::move(connection));
}

}  // namespace vorda::store

// FileManager over real keyed tables in a fresh temporary directory.
//
//   FileManagerOpen       - creation on first use, lazy open, counts, 39, 23, 27/26, 2
//   FileManagerRead       - fetch, end of file, sequences
//   FileManagerWrite      - duplicate keys (13), validation levels, changed by another (6)
//   FileManagerState      - buffer images, file states, ClearKey, KeyToOrder
//   FileManagerMisuse     - the fixed assertion texts
#include "framework/filemanager.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"
#include "tests/support/recordingpresenter.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

using store::FieldKind;

// An agents-like table: two unique keys, a no-case key with duplicates and a
// two-component key with a descending component.
struct Agent {
    FixedText<11> NUMBER;
    FixedText<13> CUIT;
    FixedText<30> NAME;
    Decimal LIMIT;
    Date SINCE;
};

const store::TableDesc& agentDesc() {
    static const store::TableDesc desc{
        .name = "TESTAGENTS",
        .prefix = "TST",
        .fileName = "Agents.tps",
        .recordSize = sizeof(Agent),
        .recordLength = 66,
        .fields = {{"TST:NUMBER", FieldKind::Text, offsetof(Agent, NUMBER), 11, true},
                   {"TST:CUIT", FieldKind::Text, offsetof(Agent, CUIT), 13, true},
                   {"TST:NAME", FieldKind::Text, offsetof(Agent, NAME), 30, true},
                   {"TST:LIMIT", FieldKind::Decimal, offsetof(Agent, LIMIT), 15, true, 2},
                   {"TST:SINCE", FieldKind::Date, offsetof(Agent, SINCE), 0, true}},
        .keys = {{.name = "TST:BY_NUMBER", .description = "Por Número", .components = {{1}}},
                 {.name = "TST:BY_CUIT", .description = "Por CUIT", .components = {{2}}},
                 {.name = "TST:BY_NAME",
                  .description = "Por Nombre",
                  .components = {{3}},
                  .unique = false,
                  .noCase = true},
                 {.name = "TST:BY_SINCE",
                  .description = "Por Fecha",
                  .components = {{5, false}, {4}},
                  .unique = false}}};
    return desc;
}

constexpr const char* kOwner = "TestOwner-12";

class Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
        errors.Init();
    }
    void TearDown() override {
        errors.Kill();
        setAssertionHandler(previousHandler_);
    }
    static std::unique_ptr<store::File> table(const store::TableDesc& desc, void* buffer) {
        auto file = store::makeKeyedTable(desc, buffer);
        file->setOwner(kOwner);
        return file;
    }
    static std::string assertionOf(const std::function<void()>& call) {
        try {
            call();
        } catch (const AssertionFailed& e) {
            return e.what();
        }
        return "(no assertion)";
    }

    // The boxes shown so far number `count`; the last has this caption and text.
    void expectBox(size_t count, std::string_view caption, std::string_view text) {
        ASSERT_EQ(boxes.shown().size(), count);
        EXPECT_EQ(boxes.last().caption, caption);
        EXPECT_EQ(boxes.last().text, text);
    }
    void expectBoxStart(size_t count, std::string_view caption, std::string_view start) {
        ASSERT_EQ(boxes.shown().size(), count);
        EXPECT_EQ(boxes.last().caption, caption);
        EXPECT_EQ(boxes.last().text.rfind(start, 0), 0u) << boxes.last().text;
    }

    test::TempDir dir;
    test::RecordingPresenter boxes;
    ErrorClass errors;

private:
    AssertionHandler previousHandler_;
};

// A manager over the agents table, its keys registered in order.
class AgentsTest : public Fixture {
protected:
    void SetUp() override {
        Fixture::SetUp();
        file = table(agentDesc(), &rec);
        access.Init(file.get(), &errors);
        access.AddKey(1, "Por Número");
        access.AddKey(2, "Por CUIT");
        access.AddKey(3, "Por Nombre");
        access.AddKey(4, "Por Fecha");
    }
    void TearDown() override {
        access.Kill();
        Fixture::TearDown();
    }
    void set(std::string_view number, std::string_view cuit, std::string_view name) {
        rec.NUMBER.set(number);
        rec.CUIT.set(cuit);
        rec.NAME.set(name);
        rec.LIMIT = Decimal::fromInteger(100);
    }
    // Inserts agents "0000000001".."000000000n", CUIT "C1".."Cn", names "Name 1"...
    void fill(int n) {
        for (int i = 1; i <= n; ++i) {
            set(numberOf(i), "C" + std::to_string(i), "Name " + std::to_string(i));
            ASSERT_EQ(access.Insert(), Benign) << i;
        }
    }
    // Leaves a closed table file holding `n` agents.
    void closedWith(int n) {
        access.Open();
        fill(n);
        access.Close();
    }
    static std::string numberOf(int i) {
        std::string s = std::to_string(i);
        return std::string(10 - s.size(), '0') + s;
    }

    Agent rec;
    std::unique_ptr<store::File> file;
    FileManager access;
};

// Sets the store's "keys need rebuilding" mark in a table file, as the driver
// does when SQLite reports an index inconsistent.
void markKeysDamaged(const std::filesystem::path& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "INSERT OR REPLACE INTO vorda_meta VALUES ('rebuild', '1')", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// Makes a file unwritable while it lives: mode 0444 and, for root (whom mode
// bits do not stop), the immutable attribute.
class WriteProtect {
public:
    explicit WriteProtect(std::filesystem::path path) : path_(std::move(path)) {
        ::chmod(path_.c_str(), 0444);
        immutable_ = ::geteuid() == 0 && setImmutable(true);
    }
    ~WriteProtect() {
        if (immutable_)
            setImmutable(false);
    }
    bool effective() const { return ::geteuid() != 0 || immutable_; }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    std::filesystem::path path_;
    bool immutable_ = false;
};

// ---------------------------------------------------------------------------
// FileManagerOpen

using FileManagerOpen = AgentsTest;

TEST_F(FileManagerOpen, missing_file_is_created_on_first_use_without_message) {
    ASSERT_EQ(access.Open(), Benign);
    EXPECT_FALSE(access.IsOpened()) << "Open only counts";
    EXPECT_FALSE(std::filesystem::exists(dir.file("Agents.tps")));
    EXPECT_EQ(access.TryNext(), Notify);
    EXPECT_TRUE(access.IsOpened());
    EXPECT_TRUE(std::filesystem::exists(dir.file("Agents.tps")));
    EXPECT_TRUE(boxes.shown().empty());
    access.Open();
    access.Close();
    EXPECT_TRUE(file->isOpen()) << "one open is left";
    access.Close();
    EXPECT_FALSE(file->isOpen());
    EXPECT_EQ(access.Close(), Benign) << "a surplus close is harmless";
}

TEST_F(FileManagerOpen, use_before_open_is_error_39) {
    EXPECT_EQ(access.Next(), Fatal);
    expectBox(1, "Error de Uso",
              "Se ha intentado utilizar la tabla (Agents.tps) antes de estar ABIERTA"
              "  Press OK to end this application");
    EXPECT_EQ(boxes.halts().size(), 1u);
}

TEST_F(FileManagerOpen, missing_file_without_create_is_error_23) {
    access.Create = 0;
    access.LazyOpen = 0;
    EXPECT_EQ(access.TryOpen(), Notify);
    EXPECT_EQ(access.GetError(), 23);
    EXPECT_EQ(access.GetOpenCount(), 0) << "a failed open is not counted";
    EXPECT_EQ(access.Open(), Fatal);
    expectBoxStart(1, "Error de Acceso", "Archivo (Agents.tps) no pudo ser abierto.  Error: ");
}

TEST_F(FileManagerOpen, damaged_keys_are_reported_with_27_and_rebuilt) {
    closedWith(3);
    markKeysDamaged(dir.file("Agents.tps"));
    access.LazyOpen = 0;
    EXPECT_EQ(access.TryOpen(), Notify);
    EXPECT_EQ(access.GetError(), 27);
    ASSERT_EQ(access.Open(), Benign);
    expectBox(1, "Clave Inválida", "Agents.tps : Clave inválida. Clave debe ser reconstruida.");
    rec.CUIT.set("C2");
    EXPECT_EQ(access.Fetch(2), Benign);
    EXPECT_EQ(rec.NUMBER.str(), numberOf(2));
    access.Close();
}

TEST_F(FileManagerOpen, failed_rebuild_is_error_26) {
    closedWith(1);
    Agent other;
    auto holder = table(agentDesc(), &other);  // a rebuild needs everybody out
    ASSERT_EQ(holder->open(0x42), store::Ok);
    markKeysDamaged(dir.file("Agents.tps"));
    access.LazyOpen = 0;
    EXPECT_EQ(access.Open(), Fatal);
    EXPECT_EQ(boxes.shown()[0].caption, "Clave Inválida");
    expectBoxStart(2, "Clave no fue reconstruida", "Error: (");
    EXPECT_EQ(boxes.halts().size(), 1u);
}

TEST_F(FileManagerOpen, write_protected_table_is_opened_read_only_after_error_2) {
    closedWith(2);
    WriteProtect protect(dir.file("Agents.tps"));
    if (!protect.effective())
        GTEST_SKIP() << "cannot write-protect a file here";
    access.LockRecover = 0;
    access.Open();
    rec.NUMBER.set(numberOf(1));
    EXPECT_EQ(access.Fetch(1), Benign);
    expectBox(1, "Access Denied",
              "No pudo obtener acceso de escritura en Tabla Agents.tps, intentante Solo-Lectura.");
    EXPECT_TRUE(file->isReadOnly());
    EXPECT_EQ(access.TryUpdate(), Notify);
    EXPECT_EQ(access.GetError(), 25);
    access.Close();
}

TEST_F(FileManagerOpen, name_variable_is_read_at_each_open) {
    std::string name;
    access.FileNameValue = [&name] { return name; };
    for (const char* padded : {"Uno.tps   ", "Dos.tps"}) {
        name = padded;
        access.Open();
        access.TryNext();
        access.Close();
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("Uno.tps")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Dos.tps")));
}

// ---------------------------------------------------------------------------
// FileManagerRead

using FileManagerRead = AgentsTest;

TEST_F(FileManagerRead, next_at_end_sets_eof_without_message) {
    access.Open();
    fill(2);
    rec.NUMBER.clear();
    access.SetKey(1);
    EXPECT_EQ(access.TryNext(), Benign);
    EXPECT_EQ(access.Next(), Benign);
    EXPECT_FALSE(access.GetEOF());
    EXPECT_EQ(access.TryNext(), Notify);
    EXPECT_TRUE(access.GetEOF());
    EXPECT_EQ(access.Next(), Notify);
    EXPECT_EQ(access.Previous(), Benign) << "a read clears end-of-file";
    EXPECT_FALSE(access.GetEOF());
    EXPECT_TRUE(boxes.shown().empty());
    access.Close();
}

TEST_F(FileManagerRead, fetch_by_key_and_clear_on_failure) {
    access.Open();
    fill(3);
    rec = Agent{};
    rec.CUIT.set("C2");
    EXPECT_EQ(access.Fetch(2), Benign);
    EXPECT_EQ(rec.NAME.str(), "Name 2");
    rec.NUMBER.set("nope");
    EXPECT_EQ(access.TryFetch(1), Notify);
    EXPECT_EQ(rec.NUMBER.str(), "nope") << "TryFetch leaves the buffer";
    EXPECT_EQ(access.Fetch(1), Notify);
    EXPECT_TRUE(rec.NUMBER.isBlank() && rec.NAME.isBlank() && rec.LIMIT.isZero());
    EXPECT_TRUE(boxes.shown().empty());
    access.Close();
}

// ---------------------------------------------------------------------------
// FileManagerWrite

using FileManagerWrite = AgentsTest;

TEST_F(FileManagerWrite, duplicate_second_key_is_named_in_error_13) {
    access.Open();
    fill(3);
    rec.NUMBER.clear();
    access.SetKey(1);
    ASSERT_EQ(access.Next(), Benign);  // the sequence stands on record 1
    set("0000000009", "C2", "Intruso");
    EXPECT_EQ(access.TryInsert(), Notify);
    EXPECT_EQ(access.GetError(), 13);
    EXPECT_EQ(access.Insert(), Notify);
    expectBox(1, "Error Clave Duplicada",
              "Agregar este registro crea una clave duplicada para la clave: Por CUIT");
    EXPECT_EQ(rec.NAME.str(), "Intruso") << "the buffer is left as it was";
    ASSERT_EQ(access.Next(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), numberOf(2)) << "the sequence is left as it was";
    access.Close();
}

// Refuses a blank name (field 3) and records the fields it was asked about.
class CheckedAgents : public FileManager {
public:
    Level ValidateField(int field) override {
        asked.push_back(field);
        const bool blank = static_cast<Agent*>(File->buffer())->NAME.isBlank();
        return field == 3 && blank ? User : Benign;
    }
    std::vector<int> asked;
};

TEST_F(FileManagerWrite, validation_refuses_update_with_user_and_insert_with_notify) {
    access.Kill();
    CheckedAgents checked;
    checked.Init(file.get(), &errors);
    checked.Open();
    set("0000000001", "C1", "Con nombre");
    ASSERT_EQ(checked.Insert(), Benign);
    EXPECT_EQ(checked.asked, (std::vector<int>{1, 2, 3, 4, 5}));
    rec.NAME.clear();
    checked.asked.clear();
    int failed = 0;
    EXPECT_EQ(checked.ValidateRecord(&failed), User);
    EXPECT_EQ(failed, 3);
    EXPECT_EQ(checked.asked, (std::vector<int>{1, 2, 3})) << "stops at the first failure";
    EXPECT_EQ(checked.Update(), User);
    EXPECT_EQ(checked.TryUpdate(), User);
    rec.NUMBER.set("0000000002");
    EXPECT_EQ(checked.Insert(), Notify);
    EXPECT_EQ(checked.TryInsert(), Notify);
    EXPECT_EQ(file->records(), 1);
    checked.Close();
}

TEST_F(FileManagerWrite, record_changed_by_another_station_is_error_6_and_shows_its_version) {
    access.Open();
    fill(1);
    Agent other;
    auto station = table(agentDesc(), &other);
    ASSERT_EQ(station->open(0x42), store::Ok);
    for (const char* theirs : {"Cambiado allá", "Otra vez"}) {
        const bool reported = boxes.shown().empty();
        rec.NUMBER.set(numberOf(1));
        ASSERT_EQ(access.Fetch(1), Benign);
        other.NUMBER.set(numberOf(1));
        ASSERT_EQ(station->get(1), store::Ok);
        other.NAME.set(theirs);
        ASSERT_EQ(station->put(), store::Ok);
        rec.NAME.set("Cambiado acá");
        EXPECT_EQ(reported ? access.Update() : access.TryUpdate(), Notify);
        EXPECT_EQ(access.GetError(), 6);
        EXPECT_EQ(rec.NAME.str(), theirs);
    }
    expectBox(1, "Registro no Actualizado", "Este registro fue modificado por otra estación.");
    rec.NAME.set("Ahora sí");
    EXPECT_EQ(access.Update(), Benign) << "the re-read version can be written";
    access.Close();
}

TEST_F(FileManagerWrite, other_write_failures_are_errors_4_and_25_with_the_driver_text) {
    access.Open();
    fill(1);
    const Decimal tooLong = Decimal::fromHundredths(1000000000000000);  // 16 digits
    rec.LIMIT = tooLong;
    EXPECT_EQ(access.TryUpdate(), Notify);
    EXPECT_EQ(access.GetError(), 25);
    EXPECT_EQ(access.Update(), Notify);
    expectBoxStart(1, "Registro no fue Actualizado", "Un error (El valor 10000000000000.00");
    set("0000000002", "C2", "Nuevo");
    rec.LIMIT = tooLong;
    EXPECT_EQ(access.Insert(), Notify);
    expectBoxStart(2, "Error en Agregar",
                   "Un error fue experimentado durante la creación del registro. Error: El valor");
    access.Close();
}

// ---------------------------------------------------------------------------
// FileManagerState

using FileManagerState = AgentsTest;

TEST_F(FileManagerState, buffer_images_restore_and_compare) {
    set("1", "2", "antes");
    int first = access.SaveBuffer();
    int second = access.SaveBuffer();
    rec.NAME.set("después");
    EXPECT_FALSE(access.EqualBuffer(first));
    access.RestoreBuffer(second, BufferImage::Discard);
    EXPECT_EQ(rec.NAME.str(), "después") << "released without restoring";
    access.RestoreBuffer(first);
    EXPECT_EQ(rec.NAME.str(), "antes");
    EXPECT_EQ(first + second, 0) << "handles are zeroed";
}

TEST_F(FileManagerState, restored_file_state_continues_after_the_saved_record) {
    access.Open();
    fill(6);
    rec.NUMBER.clear();
    access.SetKey(1);
    for (int i = 0; i < 3; ++i)
        access.Next();
    int state = access.SaveFile();
    access.SetKey(2);
    access.Next();
    rec.NAME.set("ensuciado");
    access.RestoreFile(state);
    EXPECT_EQ(rec.NAME.str(), "Name 3");
    ASSERT_EQ(access.Next(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), numberOf(4));

    // The saved record deleted meanwhile: the sequence goes on with its neighbours.
    state = access.SaveFile();
    ASSERT_EQ(file->erase(), store::Ok);
    access.RestoreFile(state);
    ASSERT_EQ(access.Next(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), numberOf(5));
    state = access.SaveFile();
    access.RestoreFile(state);
    ASSERT_EQ(access.Previous(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), numberOf(3));
    access.Close();
}

TEST_F(FileManagerState, clear_key_reaches_the_lowest_and_highest_records) {
    access.Open();
    const char* names[] = {"", "Ÿ último", "™ marca", "zeta"};  // blank is the lowest
    for (int i = 0; i < 4; ++i) {
        set(std::to_string(i + 1), "C" + std::to_string(i), names[i]);
        access.Insert();
    }
    access.ClearKey(3);
    access.SetKey(3);
    ASSERT_EQ(access.Next(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), "1");
    access.ClearKey(3, 1, 255, KeyBound::Highest);
    access.SetKey(3);
    ASSERT_EQ(access.Previous(), Benign);
    EXPECT_EQ(rec.NUMBER.str(), "3");

    access.ClearKey(4);  // a descending component takes the other extreme
    EXPECT_EQ(rec.SINCE.dayNumber(), INT32_MAX);
    EXPECT_EQ(rec.LIMIT.hundredths(), -999999999999999);
    access.Close();
}

TEST_F(FileManagerState, key_to_order_and_components) {
    EXPECT_EQ(access.KeyToOrder(3), "UPPER(TST:NAME)");
    EXPECT_EQ(access.KeyToOrder(4), "-TST:SINCE,TST:LIMIT");
    EXPECT_EQ(access.KeyToOrder(4, 2), "TST:LIMIT");
    EXPECT_EQ(access.GetField(4, 2), 4);
}

// ---------------------------------------------------------------------------
// FileManagerMisuse

using FileManagerMisuse = AgentsTest;

TEST_F(FileManagerMisuse, fixed_assertion_texts) {
    EXPECT_EQ(assertionOf([&] { access.Fetch(5); }), "Key does not exist in this file");
    EXPECT_EQ(assertionOf([&] { access.AddKey(0, "x"); }), "Key does not exist in this file");
    EXPECT_EQ(assertionOf([&] { access.GetField(4, 3); }),
              "Key does not have component of this number :3");
    int bogus = 77;
    EXPECT_EQ(assertionOf([&] { access.RestoreBuffer(bogus); }), "Restore handle is invalid");
    EXPECT_EQ(assertionOf([&] { access.EqualBuffer(bogus); }), "Restore handle is invalid");
    EXPECT_EQ(assertionOf([&] { access.RestoreFile(bogus); }), "Restore handle is invalid");

    FileManager loose;
    EXPECT_EQ(assertionOf([&] { loose.Init(nullptr, &errors); }),
              "FileManager has not been correctly initialized (missing file reference)");
    EXPECT_EQ(assertionOf([&] { loose.Open(); }), "FileManager has not been correctly initialized");
}

}  // namespace
}  // namespace vorda

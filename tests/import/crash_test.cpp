// A loading pass killed at random moments: the declaration gets all of the
// file's lines or none, and the table stays sound.
//
// The real program (`vorda --script`) imports a file of 100,000 Annex II
// lines into a declaration; the test kills it with SIGKILL at a random moment
// of the loading pass or its commit, as often as VORDA_CRASH_KILLS says (100
// by default), then opens the table as the next run would (a rollback left
// pending is carried out), counts the declaration's lines and runs SQLite's
// integrity check.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/exchangelayout.h"
#include "data/globals.h"
#include "data/owners.h"
#include "framework/errorclass.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "tests/support/tempdir.h"

namespace vorda::import {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Lines = 100000;
constexpr const char* Script =
    "set AGENTE_PERIODO \"1/23.45.67820010300\"\n"
    "start IMPORTAR_ANEXOII\n"
    "type ?NOMBRE_ARCHIVO \"lineas.txt\"\n"
    "press ?OK\n"
    "wait 100000\n"
    "answer Cerrar\n";

void seedDeclaration() {
    GlobalErrors().Init();
    DctInit();
    ASSERT_EQ(Relate::DDJJ->Open(), Benign);
    AGE.clear();
    AGE.NRO_AGENTE.set("1/23.45.678");
    ASSERT_EQ(Access::AGENTES->Insert(), Benign);
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(
        "1/23.45.678200103"
        "00");
    ASSERT_EQ(Access::DDJJ->Insert(), Benign);
    Relate::DDJJ->Close();
    DctKill();
    GlobalErrors().Kill();
}

void writeImportFile() {
    std::ofstream out("lineas.txt", std::ios::binary);
    AnexoII a;
    a.INCISO.set("c");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CUIT.set("20-12345678-6");
    a.VALOR = Decimal::fromInteger(75000);
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    for (int i = 1; i <= Lines; ++i) {
        a.NRO_ORDEN = i;
        a.CONTRATANTE.set("CONTRATANTE " + std::to_string(i));
        out << exchange::buildTipo5(a).text << "\r\n";
    }
    std::ofstream("importar.vs") << Script;
}

// Runs the import; kills it after `after` unless it ends first. Whether it
// ended on its own.
bool runImport(Clock::duration after) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(VORDA_BINARY, VORDA_BINARY, "--script", "importar.vs", nullptr);
        ::_exit(127);
    }
    const Clock::time_point deadline = Clock::now() + after;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// SQLite's own check of a table file; opening it first carries out a
// rollback the killed run left pending.
std::string integrity(const char* file) {
    if (!fs::exists(file))
        return "ok";  // killed before the table was made: nothing to check
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(file, &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW) {
            result = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return result;
}

int64_t storedLines() {
    AnexoII line;
    std::unique_ptr<store::File> f = store::makeKeyedTable(AnexoII::desc(), &line);
    f->setOwner(TABLE_OWNER);
    const int code = f->open(0x40);
    if (code == store::FileNotFound)
        return 0;
    return code == store::Ok ? f->records() : -1;
}

void removeAnnexTable() {
    for (const char* suffix : {"", "-journal", ".lck", ".new", ".new-journal"})
        fs::remove(std::string("AnexoII.tps") + suffix);
}

TEST(ImportCrash, a_killed_loading_pass_leaves_all_lines_or_none) {
    test::TempDir dir;
    seedDeclaration();
    writeImportFile();
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(runImport(std::chrono::minutes(5))) << "the import must succeed when left alone";
    const Clock::duration whole = Clock::now() - start;
    ASSERT_EQ(storedLines(), Lines);

    const char* env = std::getenv("VORDA_CRASH_KILLS");
    const int kills = env != nullptr ? std::atoi(env) : 100;
    std::mt19937 random(20010305);
    // The checking pass takes the first part of a run: the kills fall in the
    // rest, the loading pass and its commit, and a little after the end.
    std::uniform_int_distribution<int64_t> moment(whole.count() / 3, whole.count() * 21 / 20);
    int none = 0, all = 0;
    for (int i = 0; i < kills; ++i) {
        removeAnnexTable();
        runImport(Clock::duration(moment(random)));
        ASSERT_EQ(integrity("AnexoII.tps"), "ok") << "kill " << i;
        ASSERT_EQ(integrity("Ddjj.tps"), "ok") << "kill " << i;
        const int64_t n = storedLines();
        ASSERT_TRUE(n == 0 || n == Lines) << "kill " << i << ": " << n << " lines";
        (n == 0 ? none : all) += 1;
    }
    std::cout << kills << " kills: " << none << " left no line, " << all << " left all " << Lines
              << "\n";
}

}  // namespace
}  // namespace vorda::import

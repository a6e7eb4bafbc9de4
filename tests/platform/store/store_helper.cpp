// The "other station" of the cross-process store tests.
//
//   store_helper hold   DIR MODE        open Prueba.tps in MODE, print "ready", wait for EOF on
//   stdin store_helper txhold DIR             begin a transaction on Prueba.tps and add a row,
//   print
//                                       "ready", wait for EOF on stdin, commit
//   store_helper update DIR CODE NAME   change NOMBRE of record CODE; exit status = driver code
//   store_helper txloop DIR SEED        open Decl/Linea/Extra, print "ready", then forever: in one
//                                       transaction remove a declaration and its lines from the
//                                       three tables, or add them when absent
//   store_helper fill   DIR LIMIT MODE  with files limited to LIMIT bytes, add rows (MODE "auto":
//                                       one commit each; "tx": all in one transaction) until a
//                                       write fails; print the code and the driver's text
//   store_helper adds   DIR N           open Prueba.tps kept in declaration order, print "ready",
//                                       add N rows "H0".."H<N-1>" one commit each; exit status =
//                                       the first failing driver code, 0 when all were added
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "platform/process/errorstate.h"
#include "platform/store/transaction.h"
#include "testtables.h"

using namespace vorda;
using namespace vorda::store;
using namespace vorda::store::test;

namespace {

constexpr int kDecls = 8;
constexpr int kLines = 3;

void ready() {
    std::cout << "ready" << std::endl;
}

void waitForEof() {
    std::string line;
    while (std::getline(std::cin, line)) {
    }
}

std::string declKey(int d) {
    return "1/23.45.67" + std::to_string(d) + "200103" + "00";
}

int hold(int mode) {
    Table t;
    if (int code = t.file->open(mode); code != Ok)
        return code;
    ready();
    waitForEof();
    return Ok;
}

int txhold() {
    Table t;
    if (int code = t.file->open(kShared); code != Ok)
        return code;
    Transaction tx;
    if (int code = tx.begin({t.file.get()}, 5); code != Ok)
        return code;
    if (int code = t.add("TX", "en transacción"); code != Ok)
        return code;
    ready();
    waitForEof();
    return tx.commit();
}

int update(const char* codigo, const char* nombre) {
    Table t;
    if (int code = t.file->open(kShared); code != Ok)
        return code;
    t.rec.CODIGO.set(codigo);
    if (int code = t.file->get(1); code != Ok)
        return code;
    t.rec.NOMBRE.set(nombre);
    return t.file->put();
}

// Removes every record of the declaration in the buffer from `t`.
int eraseLines(Table& t, const std::string& key) {
    t.rec.DECL.set(key);
    if (int code = t.file->setKey(1); code != Ok)
        return code;
    int code;
    while ((code = t.file->next()) == Ok && t.rec.DECL.str() == key) {
        if ((code = t.file->erase()) != Ok)
            return code;
    }
    return code == NoMoreRecords || code == Ok ? Ok : code;
}

int toggle(Table& decl, Table& linea, Table& extra, const std::string& key) {
    decl.rec.DECL.set(key);
    const int found = decl.file->get(1);
    if (found == Ok) {
        if (int code = decl.file->erase(); code != Ok)
            return code;
        if (int code = eraseLines(linea, key); code != Ok)
            return code;
        return eraseLines(extra, key);
    }
    if (found != RecordNotFound)
        return found;
    if (int code = decl.add("D", "", 0, key); code != Ok)
        return code;
    for (int i = 0; i < kLines; ++i) {
        if (int code = linea.add("L" + std::to_string(i), "", i, key); code != Ok)
            return code;
        if (int code = extra.add("E" + std::to_string(i), "", i, key); code != Ok)
            return code;
    }
    return Ok;
}

int txloop(unsigned seed) {
    Table decl{declDesc()}, linea{lineaDesc()}, extra{extraDesc()};
    for (Table* t : {&decl, &linea, &extra}) {
        if (int code = t->file->open(kShared); code != Ok)
            return code;
    }
    std::mt19937 random(seed);
    ready();
    for (;;) {
        Transaction tx;
        if (int code = tx.begin({decl.file.get(), linea.file.get(), extra.file.get()}, 10);
            code != Ok) {
            return code;
        }
        if (int code = toggle(decl, linea, extra, declKey(static_cast<int>(random() % kDecls)));
            code != Ok) {
            return code;
        }
        if (int code = tx.commit(); code != Ok)
            return code;
    }
}

int fill(long limit, const std::string& mode) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit rl{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
    if (setrlimit(RLIMIT_FSIZE, &rl) != 0)
        return 100;
    Table t;
    if (int code = t.file->open(kShared); code != Ok)
        return code;
    Transaction tx;
    if (mode == "tx" && tx.begin({t.file.get()}, 5) != Ok)
        return 101;
    int code = Ok;
    for (int i = 0; code == Ok && i < 1000000; ++i) {
        code = t.add("F" + std::to_string(i), std::string(20, 'x'), i);
    }
    if (code == Ok && mode == "tx")
        code = tx.commit();
    std::cout << code << " " << platform::lastError().fileError << std::endl;
    return 0;
}

}  // namespace

int adds(int n) {
    Table t(pruebaClusteredDesc());
    if (int code = t.file->open(kShared); code != Ok)
        return code;
    ready();
    for (int i = 0; i < n; ++i) {
        if (int code = t.add("H" + std::to_string(i), "", i, "1/00.00.00020010100"); code != Ok)
            return code;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3 || chdir(argv[2]) != 0)
        return 200;
    const std::string command = argv[1];
    if (command == "hold" && argc == 4)
        return hold(std::atoi(argv[3]));
    if (command == "txhold")
        return txhold();
    if (command == "update" && argc == 5)
        return update(argv[3], argv[4]);
    if (command == "txloop" && argc == 4)
        return txloop(static_cast<unsigned>(std::atoi(argv[3])));
    if (command == "fill" && argc == 5)
        return fill(std::atol(argv[3]), argv[4]);
    if (command == "adds" && argc == 4)
        return adds(std::atoi(argv[3]));
    return 201;
}

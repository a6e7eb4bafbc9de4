// TableAccess: the record file manager of one of the program's eight files,
// set up from one row of data (AccessSetup).
//
// Init() is the table's part of FilesInit:
//   1. create the driver file over the table's buffer (keyed table or text
//      file, one per procedure thread, see store::PerThreadFile, with the
//      buffer kept per thread by platform::ThreadData) with its owner
//      password; initialise the FileManager with it and
//      GlobalErrors; attach the name variable when the file has one; create a
//      missing file on open; lock recovery 10;
//   2. register the descriptor's keys in order, each with its description,
//      none numbered automatically;
//   3. point the table's Access reference at this manager.
// Kill() releases the FileManager, clears the Access reference and destroys
// the driver file. The manager never opens its file itself: opening is left
// to the procedures, through the table's relation manager.
//
// The four tables with field rules derive from it (HIDE_ACCESS_DDJJ, ...);
// the other four use it as it is, under their own names.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/filemanager.h"
#include "platform/store/file.h"
#include "platform/types/fixedtext.h"

namespace vorda {

enum class FileDriver { KeyedTable, TextFile };

struct AccessSetup {
    const store::TableDesc& (*desc)();
    void* buffer;  // the table's record buffer (a copy per procedure thread)
    FileDriver driver;
    std::string_view owner;         // owner password; empty for a text file
    std::string (*nameVariable)();  // physical name read at each open; nullptr: fixed name
    FileManager** reference;        // the table's Access:: reference
};

class TableAccess : public FileManager {
public:
    explicit TableAccess(const AccessSetup& setup) : setup_(setup) {}
    ~TableAccess() override;
    TableAccess(const TableAccess&) = delete;
    TableAccess& operator=(const TableAccess&) = delete;

    using FileManager::Init;
    void Init();
    void Kill() override;

private:
    std::unique_ptr<store::File> makeFile() const;
    std::unique_ptr<store::File> makeThreadFile() const;

    const AccessSetup& setup_;
    std::unique_ptr<store::File> file_;
};

using HIDE_ACCESS_AGENTES = TableAccess;
using HIDE_ACCESS_ALICUOTAS = TableAccess;
using HIDE_ACCESS_DDJJ_MENSUAL = TableAccess;
using HIDE_ACCESS_DDJJ_A_PRESENTAR = TableAccess;

}  // namespace vorda

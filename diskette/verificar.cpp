// Checking a presentation file on disk (contract in verificar.h).
#include "diskette/verificar.h"

#include <filesystem>
#include <memory>

#include "data/ddjj_a_presentar.h"
#include "data/exchangeviews.h"
#include "data/owners.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"

namespace vorda {

namespace {

constexpr int ReadShared = 0x40;

// Reads every record of an open file into the check.
bool readAll(store::File& file, const DdjjAPresentar& buffer, PresentationCheck& check) {
    file.send("QUICKSCAN=on");
    if (file.setKey(0) != store::Ok)
        return false;
    int code;
    while ((code = file.next()) == store::Ok)
        check.add(exchange::recordText(buffer));
    return code == store::NoMoreRecords;
}

std::string openFailure(const std::string& path, int code) {
    if (code == store::FileNotFound)
        return "NO EXISTE EL ARCHIVO " + path;
    return "NO SE PUDO LEER EL ARCHIVO " + path + ": " + platform::lastErrorText();
}

}  // namespace

std::vector<std::string> Verification::report() const {
    return opened ? check.report() : std::vector<std::string>{openError};
}

Verification verifyPresentationFile(const std::string& path) {
    Verification v;
    const std::string lock = path + ".lck";
    std::error_code ec;
    const bool lockExisted = std::filesystem::exists(lock, ec);
    DdjjAPresentar buffer;
    std::unique_ptr<store::File> file = store::makeKeyedTable(DdjjAPresentar::desc(), &buffer);
    file->setName(path);
    file->setOwner(PRESENTATION_OWNER);
    const int code = file->open(ReadShared);
    if (code == store::Ok) {
        v.opened = readAll(*file, buffer, v.check);
        if (!v.opened)
            v.openError = openFailure(path, store::FileSystemError);
        file->close();
        v.check.finish();
    } else {
        v.openError = openFailure(path, code);
    }
    if (!lockExisted)
        std::filesystem::remove(lock, ec);
    return v;
}

}  // namespace vorda

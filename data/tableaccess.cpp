#include "data/tableaccess.h"

#include "framework/errorclass.h"
#include "platform/process/threaddata.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/perthreadfile.h"
#include "platform/text/textfile.h"

namespace vorda {

TableAccess::~TableAccess() {
    if (file_)
        TableAccess::Kill();
}

// Each procedure thread gets its own driver file and its own copy of the
// record buffer; a new thread's copy starts cleared.
std::unique_ptr<store::File> TableAccess::makeThreadFile() const {
    const store::TableDesc& desc = setup_.desc();
    std::vector<char> cleared(desc.recordSize);
    desc.clearRecord(cleared.data());
    platform::ThreadData::add(setup_.buffer, desc.recordSize, std::move(cleared));
    return std::make_unique<store::PerThreadFile>([this] { return makeFile(); });
}

std::unique_ptr<store::File> TableAccess::makeFile() const {
    const store::TableDesc& desc = setup_.desc();
    std::unique_ptr<store::File> file = setup_.driver == FileDriver::TextFile
                                            ? store::makeTextFile(desc, setup_.buffer)
                                            : store::makeKeyedTable(desc, setup_.buffer);
    if (!setup_.owner.empty())
        file->setOwner(setup_.owner);
    return file;
}

void TableAccess::Init() {
    file_ = makeThreadFile();
    FileManager::Init(file_.get(), &GlobalErrors());
    if (setup_.nameVariable != nullptr)
        FileNameValue = setup_.nameVariable;
    Create = 1;
    LockRecover = 10;
    const auto& keys = setup_.desc().keys;
    for (size_t k = 0; k < keys.size(); ++k) {
        AddKey(static_cast<int>(k + 1), keys[k].description);
    }
    *setup_.reference = this;
}

void TableAccess::Kill() {
    FileManager::Kill();
    *setup_.reference = nullptr;
    File = nullptr;
    file_.reset();
    platform::ThreadData::remove(setup_.buffer);
}

}  // namespace vorda

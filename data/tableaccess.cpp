#include "data/tableaccess.h"

#include "framework/errorclass.h"
#include "platform/text/textfile.h"

namespace vorda {

TableAccess::~TableAccess() {
    if (file_)
        TableAccess::Kill();
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
    file_ = makeFile();
    FileManager::Init(file_.get(), &GlobalErrors());
    if (const FixedText<20>* variable = setup_.nameVariable) {
        FileNameValue = [variable] { return variable->str(); };
    }
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
}

}  // namespace vorda

// One driver file per procedure thread, made on the thread's first use.
#include "platform/store/perthreadfile.h"

#include "platform/process/threaddata.h"
#include "platform/process/threadnumber.h"

namespace vorda::store {

PerThreadFile::PerThreadFile(Factory factory)
    : factory_(std::move(factory)),
      first_(factory_()),
      desc_(first_->desc()),
      buffer_(first_->buffer()),
      supportsTransactions_(first_->supportsTransactions()),
      name_(first_->name()) {
    endHook_ = platform::ThreadData::addEndHook([this](int thread) { threadEnded(thread); });
}

PerThreadFile::~PerThreadFile() {
    platform::ThreadData::removeEndHook(endHook_);
    for (auto& [thread, file] : files_) {
        if (file->isOpen())
            file->close();
    }
}

std::string PerThreadFile::name() const {
    return name_;
}

void PerThreadFile::setName(std::string name) {
    name_ = std::move(name);
    for (auto& [thread, file] : files_)
        file->setName(name_);
}

void PerThreadFile::setOwner(std::string_view password) {
    owner_ = password;
    hasOwner_ = true;
    for (auto& [thread, file] : files_)
        file->setOwner(owner_);
}

bool PerThreadFile::isOpen() const {
    const File* f = ownIfAny();
    return f != nullptr && f->isOpen();
}

bool PerThreadFile::isReadOnly() const {
    const File* f = ownIfAny();
    return f != nullptr && f->isReadOnly();
}

std::string PerThreadFile::position(int key) const {
    const File* f = ownIfAny();
    return f != nullptr ? f->position(key) : std::string();
}

File& PerThreadFile::own() {
    std::unique_ptr<File>& f = files_[platform::currentThreadNumber()];
    if (!f) {
        f = factory_();
        f->setName(name_);
        if (hasOwner_)
            f->setOwner(owner_);
    }
    return *f;
}

const File* PerThreadFile::ownIfAny() const {
    const auto it = files_.find(platform::currentThreadNumber());
    return it != files_.end() ? it->second.get() : nullptr;
}

void PerThreadFile::threadEnded(int thread) {
    const auto it = files_.find(thread);
    if (it == files_.end())
        return;
    if (it->second->isOpen())
        it->second->close();
    files_.erase(it);
}

}  // namespace vorda::store

// PerThreadFile: one driver file per procedure thread behind one File.
//
// A table of the program is used by several procedure threads at once (a
// list on one, a form on another, each with windows of their own). Each of
// them must have its own current record, sequence, cursors and physical open,
// so that what one thread reads or writes never moves another's place. A
// PerThreadFile is the File the record manager holds; every call goes to the
// calling thread's own file, made by the factory on the thread's first use
// (the logical thread number of platform::currentThreadNumber()). The files
// share the record buffer's address: the buffer itself is kept per thread by
// platform::ThreadData, which the runtime switches with the running thread.
//
// Settings made through the proxy (name, owner password) are kept and given
// to every thread's file, present and future. When a thread ends, its file is
// closed and destroyed (its cursors must be gone by then).
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/store/file.h"

namespace vorda::store {

class PerThreadFile final : public File {
public:
    using Factory = std::function<std::unique_ptr<File>()>;

    explicit PerThreadFile(Factory factory);
    ~PerThreadFile() override;
    PerThreadFile(const PerThreadFile&) = delete;
    PerThreadFile& operator=(const PerThreadFile&) = delete;

    const TableDesc& desc() const override { return desc_; }
    void* buffer() const override { return buffer_; }
    std::string name() const override;
    void setName(std::string name) override;
    void setOwner(std::string_view password) override;

    int open(int mode) override { return own().open(mode); }
    int create() override { return own().create(); }
    int close() override { return own().close(); }
    bool isOpen() const override;
    bool isReadOnly() const override;
    int send(std::string_view command) override { return own().send(command); }

    int setKey(int key) override { return own().setKey(key); }
    int resetTo(int key, const std::string& position) override {
        return own().resetTo(key, position);
    }
    int next() override { return own().next(); }
    int previous() override { return own().previous(); }
    int get(int key) override { return own().get(key); }
    std::string position(int key) const override;
    int reget(const std::string& position) override { return own().reget(position); }

    int add() override { return own().add(); }
    int put() override { return own().put(); }
    int erase() override { return own().erase(); }
    int eraseEqual(int key, int64_t& erased) override { return own().eraseEqual(key, erased); }

    int64_t records() override { return own().records(); }
    int64_t bytes() override { return own().bytes(); }
    int64_t bytesRead() override { return own().bytesRead(); }
    int buildKeys() override { return own().buildKeys(); }

    std::unique_ptr<Cursor> openCursor() override { return own().openCursor(); }
    bool supportsTransactions() const override { return supportsTransactions_; }
    File& resolved() override { return own(); }
    bool perThread() const override { return true; }

    // The threads that have a file of their own now (for tests).
    size_t threadFiles() const { return files_.size(); }

private:
    File& own();
    // The calling thread's file, or nullptr when it has none yet.
    const File* ownIfAny() const;
    void threadEnded(int thread);

    Factory factory_;
    std::unique_ptr<File> first_;  // made at construction: desc, buffer, capabilities
    const TableDesc& desc_;
    void* buffer_;
    bool supportsTransactions_;
    std::string name_;
    std::string owner_;
    bool hasOwner_ = false;
    std::map<int, std::unique_ptr<File>> files_;
    int endHook_ = 0;
};

}  // namespace vorda::store

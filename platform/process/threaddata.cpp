// Per-thread copies of registered blocks: one saved copy per (block, thread)
// except for the holder, whose copy is the block's memory itself.
#include "platform/process/threaddata.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <map>
#include <utility>

namespace vorda::platform {

namespace {

struct Block {
    void* data = nullptr;
    size_t size = 0;
    std::vector<char> startImage;
    std::map<int, std::vector<char>> copies;  // threads other than the holder
};

struct Hook {
    int id = 0;
    std::function<void(int)> run;
};

struct Registry {
    std::vector<Block> blocks;
    int holder = 1;
    std::vector<Hook> hooks;
    int lastHook = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

void save(Block& b, int thread) {
    const char* bytes = static_cast<const char*>(b.data);
    b.copies[thread].assign(bytes, bytes + b.size);
}

void load(Block& b, int thread) {
    const auto it = b.copies.find(thread);
    const std::vector<char>& image = it != b.copies.end() ? it->second : b.startImage;
    std::memcpy(b.data, image.data(), b.size);
    if (it != b.copies.end())
        b.copies.erase(it);
}

}  // namespace

void ThreadData::add(void* data, size_t size, std::vector<char> startImage) {
    Registry& r = registry();
    assert(r.holder == 1 && "blocks are registered on thread 1");
    assert(startImage.size() == size && "start image of another size");
    assert(!registered(data) && "block registered twice");
    r.blocks.push_back(
        {.data = data, .size = size, .startImage = std::move(startImage), .copies = {}});
}

void ThreadData::remove(void* data) {
    std::erase_if(registry().blocks, [data](const Block& b) { return b.data == data; });
}

bool ThreadData::registered(const void* data) {
    const std::vector<Block>& blocks = registry().blocks;
    return std::any_of(blocks.begin(), blocks.end(),
                       [data](const Block& b) { return b.data == data; });
}

void ThreadData::switchTo(int thread) {
    Registry& r = registry();
    if (thread == r.holder)
        return;
    for (Block& b : r.blocks) {
        save(b, r.holder);
        load(b, thread);
    }
    r.holder = thread;
}

int ThreadData::holder() {
    return registry().holder;
}

ThreadData::Snapshot ThreadData::snapshot() {
    Snapshot out;
    for (const Block& b : registry().blocks) {
        const char* bytes = static_cast<const char*>(b.data);
        out.emplace_back(bytes, bytes + b.size);
    }
    return out;
}

void ThreadData::restore(const Snapshot& copies) {
    std::vector<Block>& blocks = registry().blocks;
    if (copies.size() != blocks.size())
        return;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (copies[i].size() != blocks[i].size)
            return;
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        std::memcpy(blocks[i].data, copies[i].data(), blocks[i].size);
}

void ThreadData::threadEnded(int thread) {
    Registry& r = registry();
    if (r.holder == thread)
        switchTo(1);
    if (thread != 1) {
        for (Block& b : r.blocks)
            b.copies.erase(thread);
    }
    // A hook may remove itself (or another) while it runs: run a copy.
    const std::vector<Hook> hooks = r.hooks;
    for (const Hook& h : hooks)
        h.run(thread);
}

int ThreadData::addEndHook(std::function<void(int thread)> hook) {
    Registry& r = registry();
    r.hooks.push_back({.id = ++r.lastHook, .run = std::move(hook)});
    return r.lastHook;
}

void ThreadData::removeEndHook(int id) {
    std::erase_if(registry().hooks, [id](const Hook& h) { return h.id == id; });
}

}  // namespace vorda::platform

// Font families and documents.
#include <algorithm>
#include <cassert>
#include <map>

#include "platform/print/document.h"

namespace vorda::print {

namespace {

std::vector<std::string>& families() {
    static std::vector<std::string> names{"Arial"};
    return names;
}

}  // namespace

uint8_t fontFamily(std::string_view name) {
    std::vector<std::string>& names = families();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it != names.end())
        return static_cast<uint8_t>(it - names.begin());
    if (names.size() >= 255)
        return 0;
    names.emplace_back(name);
    return static_cast<uint8_t>(names.size() - 1);
}

const std::string& familyName(uint8_t family) {
    const std::vector<std::string>& names = families();
    return family < names.size() ? names[family] : names.front();
}

const Page& Document::page(int number) const {
    assert(number >= 1 && number <= pageCount() && "no such page");
    return pages[static_cast<size_t>(number - 1)];
}

void Document::keepPages(const std::vector<int>& numbers) {
    std::vector<Page> kept;
    kept.reserve(numbers.size());
    for (int n : numbers) {
        if (n >= 1 && n <= pageCount())
            kept.push_back(std::move(pages[static_cast<size_t>(n - 1)]));
    }
    pages = std::move(kept);
}

std::vector<std::string> textLines(const Page& page) {
    std::map<int, std::vector<const Text*>> rows;
    for (const Text& t : page.texts) {
        if (!t.text.empty())
            rows[t.y].push_back(&t);
    }
    std::vector<std::string> lines;
    for (auto& [y, items] : rows) {
        std::stable_sort(items.begin(), items.end(),
                         [](const Text* a, const Text* b) { return a->x < b->x; });
        std::string line;
        for (const Text* t : items) {
            if (!line.empty())
                line += ' ';
            line += t->text;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vorda::print

// Document: the pages of one report, in order, and their page size.
//
// The report engine fills a Document as it prints (the preview's page queue)
// and hands it to a preview, a printer or a PDF. Pages are numbered from 1.
#pragma once

#include <string>
#include <vector>

#include "platform/print/page.h"

namespace vorda::print {

struct Document {
    PageSize size{};
    std::vector<Page> pages{};

    int pageCount() const { return static_cast<int>(pages.size()); }
    // Page `number` (1-based); asserts that it exists.
    const Page& page(int number) const;
    // Keeps only the pages whose numbers are listed (1-based, ascending, each
    // once), in that order.
    void keepPages(const std::vector<int>& numbers);
};

// The text of a page as lines, top to bottom: the text items whose tops lie
// on one line, left to right, joined by one blank. Items whose text is empty
// are left out, and so are lines without text.
std::vector<std::string> textLines(const Page& page);

}  // namespace vorda::print

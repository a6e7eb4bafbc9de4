// Reading the list of pages to print.
#include "framework/pagerange.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/types/trim.h"

namespace vorda {

namespace {

std::optional<int> number(std::string_view s) {
    s = trim(s);
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return n;
}

std::string notAPage(std::string_view part) {
    return "\"" + std::string(trim(part)) + "\" no es un número de página";
}

std::string missing(int page, int count) {
    return "la página " + std::to_string(page) + " no existe (el informe tiene las páginas 1 a " +
           std::to_string(count) + ")";
}

// One part of the list: its first and last page, or the reason it is refused.
bool readPart(std::string_view part, int count, int& first, int& last, std::string& why) {
    const size_t dash = part.find('-');
    const std::optional<int> a = number(part.substr(0, dash));
    std::optional<int> b = a;
    if (dash != std::string_view::npos) {
        const std::string_view rest = trim(part.substr(dash + 1));
        b = rest.empty() ? std::optional<int>(count) : number(rest);
    }
    if (!a || !b) {
        why = notAPage(part);
        return false;
    }
    for (int p : {*a, *b}) {
        if (p < 1 || p > count) {
            why = missing(p, count);
            return false;
        }
    }
    if (*a > *b) {
        why = "el rango " + std::to_string(*a) + "-" + std::to_string(*b) + " está invertido";
        return false;
    }
    first = *a;
    last = *b;
    return true;
}

}  // namespace

std::vector<int> PageRange::parse(std::string_view text, int pageCount, std::string& error) {
    std::vector<int> pages;
    std::string why;
    size_t start = 0;
    while (why.empty()) {
        const size_t comma = text.find(',', start);
        const std::string_view part = text.substr(start, comma - start);
        int first = 0;
        int last = 0;
        if (!readPart(part, pageCount, first, last, why))
            break;
        for (int p = first; p <= last; ++p)
            pages.push_back(p);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (trim(text).empty())
        why = "no indica ninguna página";
    if (!why.empty()) {
        error = "La lista de páginas a imprimir no es válida: " + why +
                ". Escriba páginas y rangos separados por comas, por ejemplo 1-3,5.";
        return {};
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    error.clear();
    return pages;
}

std::string PageRange::all(int pageCount) {
    return "1-" + std::to_string(pageCount);
}

}  // namespace vorda

// Programming errors: the installed handler, or print and abort.
#include "framework/assertion.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vorda {

namespace {

void defaultHandler(const std::string& text) {
    std::fprintf(stderr, "Assertion failed: %s\n", text.c_str());
    std::abort();
}

AssertionHandler& handler() {
    static AssertionHandler h = defaultHandler;
    return h;
}

}  // namespace

void assertionFailure(const std::string& text) {
    handler()(text);
}

AssertionHandler setAssertionHandler(AssertionHandler h) {
    if (!h)
        h = defaultHandler;
    return std::exchange(handler(), std::move(h));
}

}  // namespace vorda

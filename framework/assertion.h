// Programming errors: misuse of a framework object.
//
// They are not user messages: the fixed English text goes through the
// installed assertion handler, which by default prints it and aborts. Tests
// install a handler that throws AssertionFailed so the misuse can be checked.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace vorda {

struct AssertionFailed : std::logic_error {
    using std::logic_error::logic_error;
};

// Reports a programming error. Returns only if the installed handler returns.
void assertionFailure(const std::string& text);
inline void frameworkAssert(bool condition, const char* text) {
    if (!condition)
        assertionFailure(text);
}

using AssertionHandler = std::function<void(const std::string&)>;
// Installs `handler` (an empty one restores the default) and returns the
// previous one.
AssertionHandler setAssertionHandler(AssertionHandler handler);

}  // namespace vorda

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <system_error>

namespace vorda::test {

namespace {

std::filesystem::path makeFreshDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorda-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary directory from " << pattern;
        return {};
    }
    return pattern;
}

}  // namespace

TempDir::TempDir() : previous_(std::filesystem::current_path()), path_(makeFreshDirectory()) {
    if (!path_.empty())
        std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    if (!path_.empty())
        std::filesystem::remove_all(path_, ec);
}

}  // namespace vorda::test

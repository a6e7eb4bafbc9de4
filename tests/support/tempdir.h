// TempDir: a fresh temporary directory that is the working directory while
// the object lives.
//
// The constructor creates a new, empty directory under the system temporary
// directory and changes into it; the destructor changes back to the previous
// working directory and removes the directory with everything in it. Tables,
// settings files and temporary files of the code under test land there.
#pragma once

#include <filesystem>

namespace vorda::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // `name` inside the directory.
    std::filesystem::path file(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace vorda::test

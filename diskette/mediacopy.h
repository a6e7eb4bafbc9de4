// Copying a finished file to removable media so that the media never holds
// part of it.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace vorda {

// Copies `from` byte for byte into `folder` as `name`. The copy is written
// under a temporary name of its own in `folder`, flushed to the device, and
// renamed over `name`; then the folder itself is flushed. So `folder` holds
// either the earlier `name` or the whole new one. Returns "" on success, or
// the error in Spanish; after a failure the temporary copy is gone and an
// earlier `name` is untouched.
std::string copyToMedia(const std::filesystem::path& from, const std::filesystem::path& folder,
                        const std::string& name);

// A name in `folder` that no other run uses: `stem` followed by eight random
// hexadecimal digits and `suffix`, created empty (O_EXCL) to reserve it.
// Empty when none could be created (errno tells why).
std::string reserveUniqueName(const std::filesystem::path& folder, const std::string& stem,
                              const std::string& suffix);

// Removes from `folder` what runs killed before they could clean up: every
// file named `stem`, eight hexadecimal digits and `suffix` (followed by
// anything, so that the files beside it go too) last written more than
// `age` ago. No run lasts that long, so a file that old belongs to no run.
// Returns how many files were removed; failures are ignored.
int removeStale(const std::filesystem::path& folder, const std::string& stem,
                const std::string& suffix, std::chrono::hours age);

}  // namespace vorda

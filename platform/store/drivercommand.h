// DriverCommand: a "KEY=value" command sent to a file driver (File::send).
//
// Key and value are taken without surrounding blanks and upper-cased, so
// "Recover = 5" and "RECOVER=5" are the same command. The drivers know
// RECOVER=<seconds> and QUICKSCAN=ON|OFF and ignore other keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorda::store {

struct DriverCommand {
    std::string key;
    std::string value;  // "" when the command has no '='

    static DriverCommand parse(std::string_view command);
    // QUICKSCAN's value: true for ON, false for OFF, nothing otherwise.
    std::optional<bool> onOff() const;
    // RECOVER's value: whole seconds, not negative.
    std::optional<int> seconds() const;
};

}  // namespace vorda::store

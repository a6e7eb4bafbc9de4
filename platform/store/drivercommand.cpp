#include "platform/store/drivercommand.h"

#include <cctype>
#include <charconv>

#include "platform/types/trim.h"

namespace vorda::store {
namespace {

std::string upperTrimmed(std::string_view s) {
    std::string out(trim(s));
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

DriverCommand DriverCommand::parse(std::string_view command) {
    const size_t eq = command.find('=');
    return {.key = upperTrimmed(command.substr(0, eq)),
            .value = eq == std::string_view::npos ? "" : upperTrimmed(command.substr(eq + 1))};
}

std::optional<bool> DriverCommand::onOff() const {
    if (value == "ON" || value == "OFF")
        return value == "ON";
    return std::nullopt;
}

std::optional<int> DriverCommand::seconds() const {
    int n = 0;
    const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || ptr != value.data() + value.size() || n < 0)
        return std::nullopt;
    return n;
}

}  // namespace vorda::store

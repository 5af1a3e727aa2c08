#pragma once
// A small argument reader: options with values (--rows 20, -o out.lm), flags (--highlight) and
// positional words, with the tool's usage error for anything unknown.
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lettermaze::cli {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Options {
public:
    // valued: options that take a value; flags: options that do not.
    Options(const std::vector<std::string>& args, const std::set<std::string>& valued,
            const std::set<std::string>& flags);

    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const { return flags_.count(name) > 0; }
    const std::vector<std::string>& positional() const { return positional_; }
    bool help() const { return help_; }

    // A whole number option, or the default; a usage error when it is not a whole number.
    long number(const std::string& name, long fallback) const;

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
    bool help_ = false;
};

}  // namespace lettermaze::cli

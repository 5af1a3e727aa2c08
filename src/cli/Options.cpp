#include "cli/Options.h"

#include <cerrno>
#include <cstdlib>

namespace lettermaze::cli {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            help_ = true;
        } else if (valued.count(a)) {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            values_[a] = args[++i];
        } else if (flags.count(a)) {
            flags_.insert(a);
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError("unknown option " + a);
        } else {
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> Options::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

long Options::number(const std::string& name, long fallback) const {
    const auto v = value(name);
    if (!v) return fallback;
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(v->c_str(), &end, 10);
    if (v->empty() || *end != '\0' || errno == ERANGE)
        throw UsageError(name + " needs a whole number, not \"" + *v + "\"");
    return n;
}

}  // namespace lettermaze::cli

#include "options.h"

#include <cmath>

#include "platform/number_input.h"

namespace batch {

ParsedArguments ParseOptions(const std::vector<std::string>& args, std::size_t positional) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (parsed.positionals.size() == positional)
                throw UsageError("unexpected argument \"" + arg + "\"");
            parsed.positionals.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
        parsed.options.push_back({arg, args[++i]});
    }
    return parsed;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

double NumberValue(const Option& option) {
    const std::optional<double> value = platform::parse_decimal_number(option.value);
    if (!value || !std::isfinite(*value))
        throw UsageError(option.name + " needs a number, not \"" + option.value + "\"");
    return *value;
}

int WholeValue(const Option& option, int low, int high) {
    const double value = NumberValue(option);
    if (value != std::floor(value) || value < low || value > high)
        throw UsageError(option.name + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + option.value + "\"");
    return static_cast<int>(value);
}

std::vector<std::string> AsArguments(const std::vector<Option>& options) {
    std::vector<std::string> args;
    for (const Option& o : options) {
        args.push_back(o.name);
        args.push_back(o.value);
    }
    return args;
}

}  // namespace batch

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// What the subcommands share in reading their command lines: options are pairs "--name value", and a
// mistake in them is a UsageError, which the subcommand reports with its usage and the status 2.
namespace batch {

inline constexpr int kUsageStatus = 2;

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Option {
    std::string name;   // with its dashes, "--kv"
    std::string value;  // as written
};

// Splits the arguments into option pairs. An argument that does not start with "--" is a UsageError,
// except in the positions `positional` allows; those are returned in `positionals`.
struct ParsedArguments {
    std::vector<Option> options;
    std::vector<std::string> positionals;
};
ParsedArguments ParseOptions(const std::vector<std::string>& args, std::size_t positional = 0);

// Whether the arguments ask for help ("--help" or "-h" anywhere).
bool AsksForHelp(const std::vector<std::string>& args);

// The value of a number option: a decimal number and nothing else; "1OO" or "" is a UsageError naming the
// option.
double NumberValue(const Option& option);
// A whole number from `low` to `high`.
int WholeValue(const Option& option, int low, int high);

// The option pairs back as arguments, for handing a group of them to another subcommand.
std::vector<std::string> AsArguments(const std::vector<Option>& options);

}  // namespace batch

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace batch {

// `spectrum [--kv V] [--angle DEG] [--rect 1|2|3] [--inherent MM] [--al MM] [--cu MM] [--filter FILE=MM]...
// [--match-al MM | --match-cu MM]`: sets the spectrum window's boxes (start values where an option is
// absent), adds the filters as the picker would, runs "スペクトル計算・表示" in the current directory and
// prints the results as `key: value` lines. Returns the exit status: 0, 1 when the computation fails,
// 2 for a malformed command line; the reason goes to `err`.
int RunSpectrumCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kSpectrumUsage;
void PrintSpectrumHelp(std::ostream& out);

// Whether an option belongs to `spectrum`.
bool IsSpectrumOption(const std::string& name);

}  // namespace batch

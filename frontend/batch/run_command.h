#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "frontend/run_conditions.h"
#include "options.h"

namespace batch {

// `run [--phantom 1|2|3] [--thickness CM] [--field 10|20|34] [--grid 0|1] [--histories N] --name NAME`:
// the choices of the phantom settings and the run start, with their defaults (water, 20 cm, 34 cm, no grid,
// 100000000 histories); writes "Phantom.dat" as "Go" writes it, runs the matching engine build with its
// prompts answered and its progress lines streaming to `out`, and returns its exit status (2 for a malformed
// command line, 1 when nothing could be run; the reason goes to `err`).
int RunRunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kRunUsage;
void PrintRunHelp(std::ostream& out);

// Whether an option belongs to `run`.
bool IsRunOption(const std::string& name);

// The run conditions of the options, as the phantom settings' "OK" and "Go" would take them; a value the
// windows would refuse, or one they offer no control for, is a UsageError.
frontend::RunConditions ParseRunConditions(const std::vector<Option>& options, double default_histories);

// Writes "Phantom.dat" and runs the engine build of the conditions in the current directory; prints
// `phantom_dat:`, `engine:` and, after the engine's own lines, `result:`. Returns the engine's exit status,
// or 1 when it could not be found or started, or wrote no result file.
int WriteConditionsAndRunEngine(const frontend::RunConditions& conditions, std::ostream& out,
                                std::ostream& err);

}  // namespace batch

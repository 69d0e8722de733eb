#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "pictures.h"

namespace batch {

// `exercise [spectrum options] [run options] [--out DIR] [--row R] [--sweep KEY=V1,V2,...]... [--table
// FILE]`: a whole exercise in the current directory, `spectrum`, `run` and `render` in a row, with 10^6
// histories and the name "exercise" unless told otherwise. With --sweep, one exercise for every combination
// of the swept values, and one summary table of their figures (CSV). Returns 0, or the status of the step
// that failed (2 for a malformed command line).
int RunExerciseCommand(const std::vector<std::string>& args, PictureSession& pictures, std::ostream& out,
                       std::ostream& err);

extern const char* const kExerciseUsage;
void PrintExerciseHelp(std::ostream& out);

}  // namespace batch

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The engine is one code base with a grid switch (`grid_build`, true in voxtrace_grid). These turn a source
// file into the text one build compiles: every use of the switch replaced by the code it selects, with no
// preprocessor, so a student reads only that build's code.
namespace source_text {

struct Resolved {
    std::string text;
    // Uses of the switch that fit none of the known forms; each is replaced by true or false and named
    // here as "line N: ...".
    std::vector<std::string> unresolved;
};

// Resolves, in this order of preference:
//   if constexpr (grid_build) S1 else S2   and   if (!grid_build) S   : keeps the chosen statement, a block
//                                                                       unwrapped and moved one level left;
//   if (X && !grid_build && Y)  (|| alike)                              : drops a term that does not decide,
//                                                                       or the whole statement;
//   grid_build ? A : B                                                  : keeps A or B;
// and drops the lines that include the switch's header. Comments and string literals are left as they are.
Resolved resolve_build_switch(std::string_view source, bool grid);

}  // namespace source_text

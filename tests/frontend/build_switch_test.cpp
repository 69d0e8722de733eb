// The engine's grid switch resolved into each build's own text.
#include <gtest/gtest.h>

#include "frontend/source_text/build_switch.h"
#include "frontend/source_text/engine_text.h"

namespace {

struct SwitchCase {
    const char* what;
    std::string source;
    std::string grid;    // the text of voxtrace_grid
    std::string nogrid;  // the text of voxtrace_nogrid
};

class BuildSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(BuildSwitch, LeavesOnlyTheBuildsOwnCode) {
    const SwitchCase& c = GetParam();
    const source_text::Resolved grid = source_text::resolve_build_switch(c.source, true);
    const source_text::Resolved nogrid = source_text::resolve_build_switch(c.source, false);
    EXPECT_EQ(grid.text, c.grid);
    EXPECT_EQ(nogrid.text, c.nogrid);
    EXPECT_TRUE(grid.unresolved.empty());
    EXPECT_TRUE(nogrid.unresolved.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, BuildSwitch,
    testing::Values(
        SwitchCase{"block_and_else_block",
                   "void f() {\n"
                   "    if constexpr (grid_build) {\n"
                   "        a();\n"
                   "        if (x) {\n"
                   "            b();\n"
                   "        }\n"
                   "    } else {\n"
                   "        c();\n"
                   "    }\n"
                   "}\n",
                   "void f() {\n    a();\n    if (x) {\n        b();\n    }\n}\n",
                   "void f() {\n    c();\n}\n"},
        SwitchCase{"statement_on_the_same_line",
                   "    if constexpr (grid_build) set_grid();\n    next();\n",
                   "    set_grid();\n    next();\n",
                   "    next();\n"},
        SwitchCase{"negated_with_statements_on_their_own_lines",
                   "    if constexpr (!grid_build)\n        plain();\n    else\n        with_grid();\n",
                   "    with_grid();\n",
                   "    plain();\n"},
        SwitchCase{"inner_block_without_else",
                   "    if constexpr (grid_build) {  // only the grid has lead\n        lead();\n    }\n    done();\n",
                   "    lead();\n    done();\n",
                   "    done();\n"},
        SwitchCase{"conditional_expressions",
                   "inline constexpr int n = grid_build ? 4 : 2;\n"
                   "    case 5: return grid_build ? lead::code : 1;\n"
                   "    say(grid_build ? \"wait: long\" : \"\", 3);\n"
                   "    t[i] = !grid_build ? a[i - 1] : b[i - 1];\n",
                   "inline constexpr int n = 4;\n"
                   "    case 5: return lead::code;\n"
                   "    say(\"wait: long\", 3);\n"
                   "    t[i] = b[i - 1];\n",
                   "inline constexpr int n = 2;\n"
                   "    case 5: return 1;\n"
                   "    say(\"\", 3);\n"
                   "    t[i] = a[i - 1];\n"},
        SwitchCase{"a_term_of_a_condition",
                   "    if (!grid_build && y >= depth) {\n        score();\n        return 0;\n    }\n    go();\n",
                   "    go();\n",
                   "    if (y >= depth) {\n        score();\n        return 0;\n    }\n    go();\n"},
        SwitchCase{"a_term_of_an_or_condition_with_nested_parentheses",
                   "    if ((a || b) || grid_build)\n        f(1);\n",
                   "    f(1);\n",
                   "    if ((a || b))\n        f(1);\n"},
        SwitchCase{"after_else",
                   "    if (x) {\n        a();\n    } else if constexpr (grid_build) {\n        b();\n    }\n",
                   "    if (x) {\n        a();\n    } else {\n        b();\n    }\n",
                   "    if (x) {\n        a();\n    }\n"},
        SwitchCase{"the_switch_header_goes_comments_and_strings_stay",
                   "#include \"engine/build_switch.h\"\n#include \"engine/grid.h\"\n"
                   "// grid_build is true in voxtrace_grid\nconst char* s = \"grid_build ? a : b\";\n",
                   "#include \"engine/grid.h\"\n// grid_build is true in voxtrace_grid\n"
                   "const char* s = \"grid_build ? a : b\";\n",
                   "#include \"engine/grid.h\"\n// grid_build is true in voxtrace_grid\n"
                   "const char* s = \"grid_build ? a : b\";\n"}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.what); });

TEST(BuildSwitch, AnUnknownFormBecomesTheValueAndIsNamed) {
    const source_text::Resolved r = source_text::resolve_build_switch("int a;\nuse(1, grid_build);\n", true);
    EXPECT_EQ(r.text, "int a;\nuse(1, true);\n");
    EXPECT_EQ(r.unresolved, std::vector<std::string>{"line 2: use(1, grid_build);"});
}

TEST(EngineText, ReadsMainFirstThenEachHeaderBeforeItsSource) {
    using std::filesystem::path;
    const std::vector<path> order = source_text::reading_order(
        {"e/tracking.cpp", "e/build_switch.h", "e/driver.cpp", "e/main.cpp", "e/tracking.h", "e/driver.h", "e/tallies.h"});
    EXPECT_EQ(order, (std::vector<path>{"e/main.cpp", "e/driver.h", "e/driver.cpp", "e/tallies.h", "e/tracking.h",
                                        "e/tracking.cpp"}));
}

TEST(EngineText, TheEnginesOwnSourcesResolveWholly) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SHADOWBENCH_ENGINE_DIR))
        if (entry.path().extension() == ".h" || entry.path().extension() == ".cpp") files.push_back(entry.path());
    for (bool grid : {true, false}) {
        const source_text::BuildText text =
            source_text::engine_source_text(files, std::filesystem::path(SHADOWBENCH_ENGINE_DIR).parent_path(), grid);
        EXPECT_EQ(text.unresolved, std::vector<std::string>{}) << (grid ? "grid" : "nogrid");
        EXPECT_EQ(text.bytes.find("grid_build"), std::string::npos);
        EXPECT_EQ(text.bytes.find("VOXTRACE_GRID"), std::string::npos);
        EXPECT_EQ(text.bytes.find("// engine/main.cpp\r\n"), 83u) << "main first, under its heading";
    }
}

}  // namespace

#include "frontend/source_text/build_switch.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace source_text {
namespace {

constexpr std::string_view kSwitch = "grid_build";
constexpr std::string_view kSwitchHeader = "#include \"engine/build_switch.h\"";
constexpr std::size_t npos = std::string::npos;

struct Range {
    std::size_t begin, end;
};

bool is_identifier_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool is_blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), is_space);
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
    return text;
}

// Which characters are code: not inside a comment, a string literal or a character literal.
std::vector<bool> code_mask(std::string_view s) {
    std::vector<bool> code(s.size(), true);
    auto mark = [&](std::size_t from, std::size_t to) { std::fill(code.begin() + from, code.begin() + to, false); };
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, 2, "//") == 0) {
            std::size_t e = std::min(s.find('\n', i), s.size());
            mark(i, e);
            i = e;
        } else if (s.compare(i, 2, "/*") == 0) {
            std::size_t e = s.find("*/", i + 2);
            e = e == npos ? s.size() : e + 2;
            mark(i, e);
            i = e;
        } else if (s[i] == '"' || (s[i] == '\'' && (i == 0 || !is_identifier_char(s[i - 1])))) {
            // A quote after a digit is a digit separator (1'000), not a character literal.
            const char quote = s[i];
            std::size_t j = i + 1;
            while (j < s.size() && s[j] != quote && s[j] != '\n') j += s[j] == '\\' ? 2 : 1;
            j = std::min(j + 1, s.size());
            mark(i, j);
            i = j;
        } else {
            ++i;
        }
    }
    return code;
}

class Source {
  public:
    Source(std::string& text) : s_(text), code_(code_mask(text)) {}

    std::size_t find_switch(std::size_t from) const {
        for (std::size_t p = s_.find(kSwitch, from); p != npos; p = s_.find(kSwitch, p + 1))
            if (code_[p] && (p == 0 || !is_identifier_char(s_[p - 1])) &&
                (p + kSwitch.size() >= s_.size() || !is_identifier_char(s_[p + kSwitch.size()])))
                return p;
        return npos;
    }

    std::size_t skip_space(std::size_t p) const {
        while (p < s_.size() && is_space(s_[p])) ++p;
        return p;
    }
    // The position just after the last non-space character before p.
    std::size_t skip_space_back(std::size_t p) const {
        while (p > 0 && is_space(s_[p - 1])) --p;
        return p;
    }

    bool keyword_at(std::size_t p, std::string_view word) const {
        return s_.compare(p, word.size(), word) == 0 && code_[p] && (p == 0 || !is_identifier_char(s_[p - 1])) &&
               (p + word.size() >= s_.size() || !is_identifier_char(s_[p + word.size()]));
    }
    // The keyword that ends just before p (spaces skipped), if it is `word`: its position.
    std::optional<std::size_t> keyword_before(std::size_t p, std::string_view word) const {
        std::size_t end = skip_space_back(p);
        if (end < word.size()) return std::nullopt;
        std::size_t at = end - word.size();
        if (!keyword_at(at, word)) return std::nullopt;
        return at;
    }

    // The bracket that closes the one at `open`; npos when there is none.
    std::size_t matching(std::size_t open) const {
        int depth = 0;
        for (std::size_t i = open; i < s_.size(); ++i) {
            if (!code_[i]) continue;
            char c = s_[i];
            if (c == '(' || c == '[' || c == '{') ++depth;
            if (c == ')' || c == ']' || c == '}')
                if (--depth == 0) return i;
        }
        return npos;
    }

    // The end of the statement that starts at p: a block, an if statement with its else, or a simple
    // statement up to its semicolon.
    std::size_t statement_end(std::size_t p) const {
        if (p >= s_.size()) return npos;
        if (s_[p] == '{') {
            std::size_t close = matching(p);
            return close == npos ? npos : close + 1;
        }
        if (keyword_at(p, "if")) {
            std::size_t q = skip_space(p + 2);
            if (keyword_at(q, "constexpr")) q = skip_space(q + 9);
            if (q >= s_.size() || s_[q] != '(') return npos;
            std::size_t close = matching(q);
            if (close == npos) return npos;
            std::size_t then_end = statement_end(skip_space(close + 1));
            if (then_end == npos) return npos;
            std::size_t t = skip_space(then_end);
            return keyword_at(t, "else") ? statement_end(skip_space(t + 4)) : then_end;
        }
        int depth = 0;
        for (std::size_t i = p; i < s_.size(); ++i) {
            if (!code_[i]) continue;
            char c = s_[i];
            if (c == '(' || c == '[' || c == '{') ++depth;
            if (c == ')' || c == ']' || c == '}') --depth;
            if (depth < 0) return npos;
            if (c == ';' && depth == 0) return i + 1;
        }
        return npos;
    }

    const std::string& text() const { return s_; }
    bool is_code(std::size_t p) const { return code_[p]; }

  private:
    std::string& s_;
    std::vector<bool> code_;
};

std::size_t line_begin(std::string_view s, std::size_t p) {
    std::size_t nl = p == 0 ? npos : s.rfind('\n', p - 1);
    return nl == npos ? 0 : nl + 1;
}

std::size_t line_end(std::string_view s, std::size_t p) {
    return std::min(s.find('\n', p), s.size());
}

std::size_t indent_of(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && line[n] == ' ') ++n;
    return n;
}

// Removes up to `by` leading blanks from every line after the first.
std::string dedent_continuation(std::string_view text, std::size_t by) {
    std::string out;
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!first) line.remove_prefix(std::min(by, indent_of(line)));
        out.append(line);
        if (end < text.size()) out.push_back('\n');
        first = false;
        start = end + 1;
    }
    return out;
}

// Replaces the statement [start, end) of `s` by the statement `chosen` of it (or by nothing), as its author
// would have written it for one build: a block loses its braces and moves left to the statement's place.
void rewrite_statement(std::string& s, std::size_t start, std::size_t end, std::optional<Range> chosen) {
    const std::size_t ls = line_begin(s, start);
    const std::size_t le = line_end(s, end);
    const std::string_view prefix = std::string_view(s).substr(ls, start - ls);
    const std::string_view suffix = std::string_view(s).substr(end, le - end);
    const bool whole_lines = is_blank(prefix) && is_blank(suffix);
    const std::string indent(prefix.size(), ' ');

    // After an else the chosen statement keeps its form; with none chosen the else goes too.
    const std::string_view before = trim(prefix);
    if (before.size() >= 4 && before.substr(before.size() - 4) == "else") {
        if (chosen) {
            s.replace(start, end - start, s.substr(chosen->begin, chosen->end - chosen->begin));
        } else {
            std::size_t else_at = start - (prefix.size() - prefix.rfind("else"));
            std::size_t from = else_at;
            while (from > ls && is_space(s[from - 1])) --from;
            s.erase(from, end - from);
        }
        return;
    }

    if (!chosen) {
        if (whole_lines)
            s.erase(ls, std::min(le + 1, s.size()) - ls);
        else
            s.erase(start, end - start);
        return;
    }

    const std::string body = s.substr(chosen->begin, chosen->end - chosen->begin);
    if (body.front() == '{') {
        const std::string_view inner = std::string_view(body).substr(1, body.size() - 2);
        const std::size_t first_nl = inner.find('\n');
        const std::size_t last_nl = inner.rfind('\n');
        // A block whose brace ends its line (a comment after it goes with the braces) and whose closing
        // brace starts one: its lines are kept, moved left.
        const std::string_view after_brace = first_nl == npos ? inner : trim(inner.substr(0, first_nl));
        const bool multi_line = first_nl != npos && whole_lines &&
                                (after_brace.empty() || after_brace.substr(0, 2) == "//") &&
                                is_blank(inner.substr(last_nl + 1));
        if (multi_line) {
            std::string_view lines = inner.substr(first_nl + 1, last_nl + 1 - (first_nl + 1));
            std::size_t least = npos;
            for (std::size_t p = 0; p < lines.size();) {
                std::size_t e = std::min(lines.find('\n', p), lines.size());
                std::string_view line = lines.substr(p, e - p);
                if (!trim(line).empty()) least = std::min(least, indent_of(line));
                p = e + 1;
            }
            std::string out;
            if (least != npos) {
                const std::size_t by = least > indent.size() ? least - indent.size() : 0;
                for (std::size_t p = 0; p < lines.size();) {
                    std::size_t e = std::min(lines.find('\n', p), lines.size());
                    std::string_view line = lines.substr(p, e - p);
                    line.remove_prefix(std::min(by, indent_of(line)));
                    out.append(line);
                    out.push_back('\n');
                    p = e + 1;
                }
            }
            s.replace(ls, std::min(le + 1, s.size()) - ls, out);
            return;
        }
        const std::string_view one_line = trim(inner);
        if (one_line.empty()) {
            rewrite_statement(s, start, end, std::nullopt);
            return;
        }
        s.replace(start, end - start, std::string(one_line));
        return;
    }

    const bool on_next_line = s.find('\n', start) < chosen->begin;
    if (on_next_line && whole_lines) {
        const std::size_t own_indent = chosen->begin - line_begin(s, chosen->begin);
        const std::size_t by = own_indent > indent.size() ? own_indent - indent.size() : 0;
        s.replace(ls, le - ls, indent + dedent_continuation(body, by));
        return;
    }
    s.replace(start, end - start, body);
}

// The if statement whose condition is exactly the switch or its negation.
bool resolve_if(std::string& s, const Source& src, std::size_t if_at, std::size_t close, bool value) {
    const std::size_t then_begin = src.skip_space(close + 1);
    const std::size_t then_end = src.statement_end(then_begin);
    if (then_end == npos) return false;
    std::size_t end = then_end;
    std::optional<Range> chosen;
    if (value) chosen = Range{then_begin, then_end};
    const std::size_t t = src.skip_space(then_end);
    if (src.keyword_at(t, "else")) {
        const std::size_t else_begin = src.skip_space(t + 4);
        const std::size_t else_end = src.statement_end(else_begin);
        if (else_end == npos) return false;
        end = else_end;
        if (!value) chosen = Range{else_begin, else_end};
    }
    rewrite_statement(s, if_at, end, chosen);
    return true;
}

bool resolve_at(std::string& s, std::size_t p, bool grid) {
    const Source src(s);
    std::size_t term_begin = p;
    bool negated = false;
    if (std::size_t q = src.skip_space_back(p); q > 0 && s[q - 1] == '!') {
        negated = true;
        term_begin = q - 1;
    }
    const std::size_t term_end = p + kSwitch.size();
    const bool value = grid != negated;

    // grid_build ? A : B, where the switch is the whole condition.
    const std::size_t r = src.skip_space(term_end);
    if (r < s.size() && s[r] == '?') {
        const std::size_t b = src.skip_space_back(term_begin);
        const bool whole_condition = b == 0 || std::string_view("(=,?:{;").find(s[b - 1]) != npos ||
                                     src.keyword_before(term_begin, "return");
        if (!whole_condition) return false;
        std::size_t colon = npos;
        int depth = 0, nested = 0;
        for (std::size_t i = r + 1; i < s.size() && colon == npos; ++i) {
            if (!src.is_code(i)) continue;
            char c = s[i];
            if (c == '(' || c == '[' || c == '{') ++depth;
            if (c == ')' || c == ']' || c == '}') --depth;
            if (depth < 0 || (depth == 0 && c == ';')) return false;
            if (depth != 0) continue;
            if (c == ':' && (s[i + 1] == ':' || s[i - 1] == ':')) continue;
            if (c == '?') ++nested;
            if (c == ':' && nested-- == 0) colon = i;
        }
        if (colon == npos) return false;
        std::size_t stop = npos;
        depth = 0;
        for (std::size_t i = colon + 1; i < s.size() && stop == npos; ++i) {
            if (!src.is_code(i)) continue;
            char c = s[i];
            if (c == '(' || c == '[' || c == '{') ++depth;
            if (depth == 0 && std::string_view("),;]}").find(c) != npos) stop = i;
            if (c == ')' || c == ']' || c == '}') --depth;
        }
        if (stop == npos) return false;
        const std::size_t keep_begin = value ? r + 1 : colon + 1;
        const std::size_t keep_end = value ? colon : stop;
        const std::string kept(trim(std::string_view(s).substr(keep_begin, keep_end - keep_begin)));
        s.replace(term_begin, stop - term_begin, kept);
        return true;
    }

    // The switch in the condition of an if statement.
    std::size_t open = npos;
    int depth = 0;
    for (std::size_t i = term_begin; i-- > 0;) {
        if (!src.is_code(i)) continue;
        char c = s[i];
        if (c == ')' || c == ']' || c == '}') ++depth;
        if (c == '(' || c == '[' || c == '{') {
            if (depth == 0) {
                open = i;
                break;
            }
            --depth;
        }
        if (c == ';') return false;
    }
    if (open == npos || s[open] != '(') return false;
    std::optional<std::size_t> if_at = src.keyword_before(open, "constexpr");
    if_at = if_at ? src.keyword_before(*if_at, "if") : src.keyword_before(open, "if");
    if (!if_at) return false;
    const std::size_t close = src.matching(open);
    if (close == npos) return false;

    if (trim(std::string_view(s).substr(open + 1, close - open - 1)) == std::string_view(s).substr(term_begin, term_end - term_begin) &&
        term_begin == src.skip_space(open + 1))
        return resolve_if(s, src, *if_at, close, value);

    // A condition of terms joined by && (or by ||): a term that does not decide goes; one that decides
    // leaves the condition as the plain switch, which the next pass resolves with its whole statement.
    std::vector<Range> terms;
    std::string_view op;
    std::size_t term_start = open + 1;
    depth = 0;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (!src.is_code(i)) continue;
        char c = s[i];
        if (c == '(' || c == '[' || c == '{') ++depth;
        if (c == ')' || c == ']' || c == '}') --depth;
        if (depth != 0) continue;
        std::string_view two = std::string_view(s).substr(i, 2);
        if (two == "&&" || two == "||") {
            if (!op.empty() && op != two) return false;
            op = two == "&&" ? "&&" : "||";
            terms.push_back({term_start, i});
            term_start = i + 2;
            ++i;
        }
    }
    terms.push_back({term_start, close});
    if (op.empty()) return false;
    for (Range& t : terms) {
        t.begin = src.skip_space(t.begin);
        t.end = src.skip_space_back(t.end);
    }
    auto it = std::find_if(terms.begin(), terms.end(), [&](const Range& t) {
        return t.begin == term_begin && t.end == term_end;
    });
    if (it == terms.end()) return false;
    const bool decides = op == "&&" ? !value : value;
    if (decides) {
        // The condition's value in this build is `value`; the switch written so that it reads so.
        const bool condition = op == "||";
        s.replace(open + 1, close - open - 1, condition == grid ? "grid_build" : "!grid_build");
        return true;
    }
    const std::size_t k = static_cast<std::size_t>(it - terms.begin());
    if (k + 1 < terms.size())
        s.erase(terms[k].begin, terms[k + 1].begin - terms[k].begin);
    else
        s.erase(terms[k - 1].end, terms[k].end - terms[k - 1].end);
    return true;
}

int line_number(std::string_view s, std::size_t p) {
    return 1 + static_cast<int>(std::count(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(p), '\n'));
}

}  // namespace

Resolved resolve_build_switch(std::string_view source, bool grid) {
    Resolved out;
    std::string& s = out.text;
    // The switch's header goes with the switch.
    for (std::size_t start = 0; start < source.size();) {
        std::size_t end = std::min(source.find('\n', start), source.size());
        std::string_view line = source.substr(start, end - start);
        if (trim(line) != kSwitchHeader) {
            s.append(line);
            if (end < source.size()) s.push_back('\n');
        }
        start = end + 1;
    }

    std::size_t from = 0;
    for (;;) {
        std::size_t p = Source(s).find_switch(from);
        if (p == npos) break;
        if (resolve_at(s, p, grid)) {
            from = 0;
            continue;
        }
        // A form not known: the value itself, so the text still says what the build does.
        std::size_t ls = line_begin(s, p);
        out.unresolved.push_back("line " + std::to_string(line_number(s, p)) + ": " +
                                 std::string(trim(std::string_view(s).substr(ls, line_end(s, p) - ls))));
        s.replace(p, kSwitch.size(), grid ? "true" : "false");
        from = p;
    }
    return out;
}

}  // namespace source_text

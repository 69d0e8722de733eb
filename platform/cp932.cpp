#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on an invalid or unconvertible sequence calls `on_bad`, which either throws or
    // appends a replacement and returns the number of input bytes to skip.
    template <class OnBad>
    std::string convert(std::string_view in, OnBad on_bad) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[256];
        char* src = const_cast<char*>(in.data());
        std::size_t src_left = in.size();
        while (src_left > 0) {
            char* dst = buffer;
            std::size_t dst_left = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, dst - buffer);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                std::size_t skip = on_bad(out, std::string_view(src, src_left));
                src += skip;
                src_left -= skip;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string to_cp932(std::string_view utf8) {
    static thread_local Converter converter("CP932", "UTF-8");
    return converter.convert(utf8, [&](std::string&, std::string_view) -> std::size_t {
        throw std::invalid_argument("text has no code page 932 form: " + std::string(utf8));
    });
}

std::string from_cp932(std::string_view cp932) {
    static thread_local Converter converter("UTF-8", "CP932");
    return converter.convert(cp932, [](std::string& out, std::string_view) -> std::size_t {
        out += "\xEF\xBF\xBD";
        return 1;
    });
}

std::string fit_bytes(std::string_view bytes, std::size_t width) {
    std::string out(bytes.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string_view trim_trailing_blanks(std::string_view bytes) {
    std::size_t end = bytes.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : bytes.substr(0, end + 1);
}

}  // namespace platform

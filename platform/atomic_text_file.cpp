#include "platform/atomic_text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/input_error.h"

namespace platform {
namespace {

std::filesystem::path make_temp_beside(const std::filesystem::path& target, std::ofstream& out) {
    std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) throw OutputError(target.filename().string(), std::strerror(errno));
    close(fd);
    out.open(pattern, std::ios::binary | std::ios::trunc);
    if (!out) {
        std::remove(pattern.c_str());
        throw OutputError(target.filename().string(), "the temporary file cannot be opened");
    }
    return pattern;
}

}  // namespace

AtomicTextFile::AtomicTextFile(const std::filesystem::path& target)
    : target_(target), temp_(make_temp_beside(target, out_)) {}

AtomicTextFile::~AtomicTextFile() {
    if (!committed_) {
        out_.close();
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
}

void AtomicTextFile::write_line(std::string_view bytes) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out_.write("\r\n", 2);
}

void AtomicTextFile::commit() {
    std::string name = target_.filename().string();
    out_.flush();
    bool written = static_cast<bool>(out_);
    out_.close();
    if (!written || out_.fail()) throw OutputError(name, "writing the temporary file failed");
    // mkstemp creates the file for the owner only; give it the permissions an ordinary new file would get.
    mode_t mask = umask(0);
    umask(mask);
    std::error_code ec;
    std::filesystem::permissions(temp_, static_cast<std::filesystem::perms>(0666 & ~mask), ec);
    if (std::filesystem::is_directory(target_, ec)) throw OutputError(name, "a directory has that name");
    std::filesystem::rename(temp_, target_, ec);
    if (ec) throw OutputError(name, ec.message());
    committed_ = true;
}

}  // namespace platform

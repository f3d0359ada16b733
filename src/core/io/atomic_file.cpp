#include "io/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace hk {

namespace {

std::string describe(const std::filesystem::path& p) { return "\"" + p.string() + "\""; }

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& p, int err) {
    throw std::runtime_error(what + " " + describe(p) + ": " + std::strerror(err));
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    std::random_device rd;
    std::filesystem::path tmp = dir / (path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));

    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) fail("Nelze zapsat soubor", path, errno);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        fail("Chyba při zápisu souboru", path, err);
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail("Chyba při zápisu souboru", path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail("Nelze přepsat soubor", path, err);
    }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Nelze otevřít soubor " + describe(path));
    std::string data;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) throw std::runtime_error("Nelze číst soubor " + describe(path));
    data.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(data.data(), size);
    if (!in && !in.eof()) throw std::runtime_error("Chyba při čtení souboru " + describe(path));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

} // namespace hk

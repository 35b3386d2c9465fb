#include "common/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/KeroltError.h"
#include "common/Text.h"

namespace kerolt {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // a line has started (characters or a line end seen since last push)
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending)
        lines.push_back(std::move(current));
    return lines;
}

namespace {

// A folder opens as a stream on some systems and reads as nothing: it is refused as one.
std::ifstream OpenForReading(const std::string& fileName) {
    std::error_code ec;
    if (std::filesystem::is_directory(fileName, ec))
        ThrowCannotOpen(fileName);
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        ThrowCannotOpen(fileName);
    return in;
}

}  // namespace

std::string ReadText(const std::string& fileName) {
    std::ifstream in = OpenForReading(fileName);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        ThrowCannotOpen(fileName);
    return text;
}

std::vector<std::string> ReadLines(const std::string& fileName) {
    return SplitLines(ReadText(fileName));
}

std::string ReadTextAtMost(const std::string& fileName, std::uintmax_t limit) {
    std::ifstream in = OpenForReading(fileName);
    // The size a file claims is not trusted (a pipe claims none): one byte past the limit is
    // what tells.
    std::string text;
    constexpr std::size_t Chunk = 64 * 1024;
    while (in && text.size() <= limit) {
        const std::size_t old = text.size();
        const std::size_t want =
            std::min<std::uintmax_t>(Chunk, limit + 1 - static_cast<std::uintmax_t>(old));
        text.resize(old + want);
        in.read(text.data() + old, static_cast<std::streamsize>(want));
        text.resize(old + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        ThrowCannotOpen(fileName);
    if (text.size() > limit) {
        constexpr std::uintmax_t MB = 1024 * 1024;
        if (limit % MB == 0)
            throw KeroltError(Message(KT("Files", "%1 is larger than %2 MB, the most Kerolt reads"),
                                      {fileName, std::to_string(limit / MB)}));
        throw KeroltError(Message(KT("Files", "%1 is larger than %2 bytes, the most Kerolt reads"),
                                  {fileName, std::to_string(limit)}));
    }
    return text;
}

InputLines ReadInputLines(const std::string& fileName) {
    DecodedText decoded = DecodeFileText(ReadTextAtMost(fileName));
    return {SplitLines(decoded.Text), decoded.Utf8, std::move(decoded.Lost)};
}

namespace {

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void WriteLines(const std::string& fileName, const std::vector<std::string>& lines) {
    namespace fs = std::filesystem;
    std::string data;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    data.reserve(size);
    for (const auto& line : lines) {
        data += line;
        data += "\r\n";
    }

    // A link (a Last.log pointing elsewhere, say) keeps pointing: the file behind it is replaced.
    std::error_code ec;
    fs::path target(fileName);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec)
            ThrowCannotCreate(fileName);
        target = resolved;
    }
    if (fs::is_directory(target, ec))
        ThrowCannotCreate(fileName);
    // A read-only target stays untouched, for root too (who could otherwise rename over it).
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (old.st_mode & 0222) == 0)
        ThrowCannotCreate(fileName);

    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string tmpName = ".";
    tmpName += target.filename().string();
    tmpName += ".XXXXXX";
    std::string tmpl = (folder / tmpName).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        ThrowCannotCreate(fileName);

    // mkstemp makes the file private; give it the mode a plain create (or the old file) has.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~mask);
    ::fchmod(fd, mode);

    const bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(tmpl.c_str(), target.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        ThrowCannotCreate(fileName);
    }
    // Make the rename itself durable, so a power cut keeps the new file.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

namespace {

bool Exists(const std::filesystem::path& p) {
    std::error_code ec;
    const auto status = std::filesystem::status(p, ec);
    if (!std::filesystem::status_known(status))
        return true;
    return std::filesystem::exists(status);
}

}  // namespace

void RemoveStaleTemporaries(const std::string& fileName) {
    namespace fs = std::filesystem;
    const fs::path target(fileName);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // The name WriteLines gives its temporary file, less mkstemp's six characters.
    // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) on "." + string.
    std::string stem = ".";
    stem += target.filename().string();
    stem += '.';
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool ours = name.size() == stem.size() + 6 && name.starts_with(stem) &&
                          std::all_of(name.begin() + static_cast<long>(stem.size()), name.end(),
                                      [](unsigned char c) { return std::isalnum(c) != 0; });
        std::error_code fileEc;
        // A temporary written in the last minute is another Kerolt's write in flight.
        const bool old = ours && fs::last_write_time(it->path(), fileEc) <
                                     fs::file_time_type::clock::now() - std::chrono::minutes(1);
        if (old && !fileEc && it->is_regular_file(fileEc) && !it->is_symlink(fileEc))
            fs::remove(it->path(), fileEc);
    }
}

std::string FindDataFile(const std::string& folder, std::initializer_list<const char*> names,
                         const std::string& packagedFile) {
    namespace fs = std::filesystem;
    const bool here = folder.empty() || folder == ".";
    for (const char* name : names) {
        const fs::path p = here ? fs::path(name) : fs::path(folder) / name;
        if (Exists(p))
            return p.string();
    }
    if (!packagedFile.empty() && Exists(packagedFile))
        return packagedFile;
    return "";
}

}  // namespace kerolt

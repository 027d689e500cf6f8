#include "tests/tools/ToolRun.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "model/EditState.h"
#include "tools/VexlinTool.h"

namespace {

// Sends what a standard stream writes into memory until Release gives it back.
class CaughtStream {
public:
    explicit CaughtStream(std::FILE* stream)
        : _stream(stream),
          _fd(fileno(stream)),
          _saved(dup(_fd)),
          _caught(memfd_create("vexlin-tool-output", 0)) {
        std::fflush(_stream);
        dup2(_caught, _fd);
    }
    CaughtStream(const CaughtStream&) = delete;
    CaughtStream& operator=(const CaughtStream&) = delete;

    std::string Release() {
        std::fflush(_stream);
        std::clearerr(_stream);
        dup2(_saved, _fd);
        close(_saved);
        std::string text;
        char buffer[4096];
        ssize_t read = 0;
        for (off_t at = 0; (read = pread(_caught, buffer, sizeof buffer, at)) > 0; at += read) {
            text.append(buffer, static_cast<size_t>(read));
        }
        close(_caught);
        return text;
    }

private:
    std::FILE* _stream;
    int _fd;
    int _saved;
    int _caught;
};

}  // namespace

ToolRun ToolRun::InProcess(const std::string& folder, const std::vector<std::string>& args) {
    std::vector<std::string> words = {"vexlin-tool"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    CaughtStream out(stdout);
    CaughtStream err(stderr);
    const int status = RunVexlinTool(static_cast<int>(words.size()), argv.data());
    ToolRun run{status, out.Release(), err.Release()};
    std::filesystem::current_path(before);
    return run;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream words(text);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

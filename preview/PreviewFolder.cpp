#include "preview/PreviewFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

PreviewFolder::PreviewFolder() {
    std::error_code error;
    fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        temporary = "/tmp";
    }
    std::string pattern = (temporary / "vexlin-preview-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        _path = pattern;
    }
}

PreviewFolder::~PreviewFolder() {
    if (Ready()) {
        std::error_code ignored;
        fs::remove_all(_path, ignored);
    }
}

bool PreviewFolder::Write(const std::string& name, const std::string& bytes) const {
    if (!Ready()) {
        return false;
    }
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

void PreviewFolder::Empty() const {
    std::error_code error;
    for (fs::directory_iterator entry(_path, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        fs::remove_all(entry->path(), ignored);
    }
}

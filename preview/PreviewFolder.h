#pragma once

#include <string>

// A private folder of the preview's own under the system's temporary folder (mode 0700), removed
// with everything in it when the object goes. The preview writes nowhere else. Its name carries
// the process id, so that folders left by an editor that was killed are removed by the next
// preview.
class PreviewFolder {
public:
    PreviewFolder();
    PreviewFolder(const PreviewFolder&) = delete;
    PreviewFolder& operator=(const PreviewFolder&) = delete;
    ~PreviewFolder();

    // False when no folder could be made.
    bool Ready() const { return !_path.empty(); }
    const std::string& Path() const { return _path; }
    std::string File(const std::string& name) const { return _path + "/" + name; }
    // Writes the bytes into the named file of the folder; false when they could not be written.
    bool Write(const std::string& name, const std::string& bytes) const;
    // Removes every file in the folder.
    void Empty() const;

private:
    std::string _path;
};

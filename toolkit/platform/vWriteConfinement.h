#pragma once

#include <string>

// Keeps a program we start from writing anywhere but its own folder, whatever the scene or
// input it is given asks for: POV-Ray's own I/O restriction is not enforced by the versions
// the distributions ship, so the kernel's Landlock does it. The rules are made in the parent,
// before the fork; the child only applies them, with calls that are safe between fork and exec.
// Where the kernel has no Landlock the program runs as before, unconfined.
class vWriteConfinement {
public:
    explicit vWriteConfinement(const std::string& folder);
    vWriteConfinement(const vWriteConfinement&) = delete;
    vWriteConfinement& operator=(const vWriteConfinement&) = delete;
    ~vWriteConfinement();

    // Whether the kernel took the rules: a child that applies them is confined.
    bool Available() const { return _rules >= 0; }
    // In the child, after the fork: from here on, it and everything it starts may write only
    // inside the folder. False when the rules could not be applied.
    bool ApplyInChild() const noexcept;

private:
    int _rules = -1;
};

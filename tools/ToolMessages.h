#pragma once

#include <string>

// What vexlin-tool says on standard error, in two layouts: "FILE: ..." for what happened to a
// file, and "vexlin-tool CMD: ARGUMENT: REASON" followed by "Try 'vexlin-tool CMD --help'." for
// an argument it refuses. The Report and Refuse functions print the text and return the exit
// code.

// "FILE: line N: TEXT", TEXT being the reader's own notice for the result, or "FILE: TEXT
// (REASON)" when the file could not be opened; then, when the file holds a "prism {", a
// "polygon {", a "lathe {" or a "sor {" that the reader could not take, "try: vexlin-tool
// import FILE OUT".
std::string ReadFailureText(const std::string& path, int result, int line);
int ReportReadFailure(const std::string& path, int result, int line);

// "FILE: Unable to save file: REASON". The reason is the system's, found from errorAfter (errno
// as the failed save left it) and the file, or one given.
std::string SaveFailureText(const std::string& path, const std::string& reason);
int ReportSaveFailure(const std::string& path, int errorAfter);
int ReportSaveFailure(const std::string& path, const std::string& reason);

// The command is "" for the tool as a whole. Control characters of the argument are shown as
// escapes, so that the refusal stays one line.
std::string RefusalText(const std::string& command, const std::string& argument,
                        const std::string& reason);
int RefuseArgument(const std::string& command, const std::string& argument,
                   const std::string& reason);

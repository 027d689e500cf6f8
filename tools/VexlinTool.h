#pragma once

// Runs vexlin-tool with the program's arguments (argv[0] is the program's name) and returns its
// exit code. What it says goes to standard output and standard error.
int RunVexlinTool(int argc, char** argv);

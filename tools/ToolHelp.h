#pragma once

// Prints the manual page to stdout.
void PrintManual();
// Prints the command's part of the manual to stdout.
void PrintCommandHelp(const char* command);
void PrintVersion();

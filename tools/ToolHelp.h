#pragma once

// Prints the synopsis of every subcommand to stderr and returns the usage exit code.
int UsageError();

// Prints the manual page to stdout.
void PrintManual();

// The subcommands of tessamap-cli. Each parses its own arguments (argv[1] is
// the command word), creates the application object it needs and returns the
// process's exit code.
#pragma once

int runExport(int argc, char *argv[]);
int runList(int argc, char *argv[]);
int runProgress(int argc, char *argv[]);
int runPalettes(int argc, char *argv[]);
int runPrepare(int argc, char *argv[]);
int runCheck(int argc, char *argv[]);

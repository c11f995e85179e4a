// The commands of tavoro-cli. Each registers a subcommand whose callback sets
// the process's exit status: 0 success, 1 a file could not be read or
// written (one line on stderr names it), 2 wrong usage.
#pragma once

#include <CLI/CLI.hpp>

namespace tavoro::cli {

enum ExitStatus { kSuccess = 0, kFileError = 1, kUsageError = 2 };

using CommandRegistrar = void (*)(CLI::App& app, int& exitStatus);

// dump FILE.twd: the whole wardrobe as JSON.
void registerDumpCommand(CLI::App& app, int& exitStatus);
// resave FILE.twd [--output OUT.twd]: read and write back, repairing.
void registerResaveCommand(CLI::App& app, int& exitStatus);
// new LOCATION NAME: a new, empty wardrobe, as the New Wardrobe dialog makes it.
void registerNewCommand(CLI::App& app, int& exitStatus);

}  // namespace tavoro::cli

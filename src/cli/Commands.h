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
// search FILE.twd [--collection NAME] QUERY: the terms and the items found.
void registerSearchCommand(CLI::App& app, int& exitStatus);
// photo-info FILE...: the type, size, orientation, date taken and EXIF thumbnail of each photo.
void registerPhotoInfoCommand(CLI::App& app, int& exitStatus);
// thumbnail FILE OUT --box W H: a thumbnail made as the program makes it.
void registerThumbnailCommand(CLI::App& app, int& exitStatus);
// convert IN OUT: decode with our codec, encode by OUT's extension.
void registerConvertCommand(CLI::App& app, int& exitStatus);
// import FILE.twd COLLECTION PATH... [--yes]: photo files as new items of a collection.
void registerImportCommand(CLI::App& app, int& exitStatus);
// cells PHOTO... --out DIR: the item list's thumbnail cells, written as BMP files.
void registerCellsCommand(CLI::App& app, int& exitStatus);
// export FILE.twd --format html|csv|pdf OUT: a web catalogue, a spreadsheet or a contact sheet.
void registerExportCommand(CLI::App& app, int& exitStatus);
// backup FILE.twd OUT.zip: the wardrobe file and its photos in one checked zip file.
void registerBackupCommand(CLI::App& app, int& exitStatus);
// insights FILE.twd [--tag NAME]: counts, wear and cost per wear as JSON.
void registerInsightsCommand(CLI::App& app, int& exitStatus);
// combination create|add|wear|list FILE.twd ...: combinations (outfits) and the days they were worn.
void registerCombinationCommand(CLI::App& app, int& exitStatus);
// restore IN.zip FOLDER: a backup unpacked into a new folder; prints {wardrobe}.
void registerRestoreCommand(CLI::App& app, int& exitStatus);

}  // namespace tavoro::cli

// tavoro-cli: the command-line companion of Tavoro, for scripting, batch work
// and black-box tests. Every rule it applies comes from the core libraries.
#include <cstdio>
#include <iostream>
#include <vector>

#include "Commands.h"
#include "JsonOutput.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"

namespace {

const std::vector<tavoro::cli::CommandRegistrar> kCommands = {
    tavoro::cli::registerDumpCommand,
    tavoro::cli::registerResaveCommand,
    tavoro::cli::registerNewCommand,
    tavoro::cli::registerSearchCommand,
    tavoro::cli::registerPhotoInfoCommand,
    tavoro::cli::registerThumbnailCommand,
    tavoro::cli::registerConvertCommand,
    tavoro::cli::registerImportCommand,
    tavoro::cli::registerCellsCommand,
    tavoro::cli::registerExportCommand,
    tavoro::cli::registerBackupCommand,
    tavoro::cli::registerRestoreCommand,
    tavoro::cli::registerInsightsCommand,
    tavoro::cli::registerCombinationCommand,
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tavoro::cli;
  CLI::App app{"tavoro-cli: work with Tavoro wardrobes from the command line"};
  app.set_version_flag("--version", tavoro::toUtf8(L"tavoro-cli " + tavoro::AppPaths::versionString(L"ProductVersion")));
  int exitStatus = kSuccess;
  for (CommandRegistrar registrar : kCommands)
    registrar(app, exitStatus);
  app.require_subcommand(1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kUsageError;
  }
  // Output that never arrived (a full disk, a closed file) is a failure,
  // however well the command itself went.
  std::cout.flush();
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout) {
    printError("standard output cannot be written");
    return exitStatus == kSuccess ? kFileError : exitStatus;
  }
  return exitStatus;
}

// skintool's command table and the helpers the commands share. A command is a
// function in a file of its own, listed once in Commands.cpp.
#pragma once

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "skinfile/SkinReader.h"

namespace pelorin::skintool {

enum : int { ExitOk = 0, ExitRefused = 1, ExitUsage = 2 };

// Bad command line: reported with the usage, exit code 2.
class EUsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
// A refused or damaged archive, or a file that cannot be read or written: exit code 1.
class EToolError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// args are the words after the command name; output goes to out.
using TCommandFunc = void (*)(const std::vector<std::string>& args, std::ostream& out);

struct TCommand {
  const char* name;
  const char* usage;
  TCommandFunc run;
};

const std::vector<TCommand>& Commands();

// Runs "skintool <args>"; errors go to err as one line. Returns the exit code.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Command line of the form "INPUT [-o OUTPUT]", options anywhere.
struct TInOut {
  std::string input;
  std::string output;
};
TInOut ParseInOut(const std::vector<std::string>& args, bool needOutput);

// Loads an archive file; a refused one raises EToolError with the reason.
void LoadArchive(const std::string& fileName, TSkinReader& reader);

// Paths to and from the tool's UTF-8 strings.
std::string Utf8(const std::filesystem::path& p);
std::filesystem::path PathFromUtf8(const std::string& s);

// The command functions.
void RunPack(const std::vector<std::string>& args, std::ostream& out);
void RunUnpack(const std::vector<std::string>& args, std::ostream& out);
void RunList(const std::vector<std::string>& args, std::ostream& out);
void RunInfo(const std::vector<std::string>& args, std::ostream& out);
// Native build only (FreeType and libpng).
void RunPreview(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pelorin::skintool

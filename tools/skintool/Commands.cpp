// The command table, the dispatcher and the helpers shared by the commands.
#include "tools/skintool/Commands.h"

#include <cstring>

#include "host/core/Exceptions.h"
#include "host/core/MessageBox.h"
#include "host/core/Streams.h"

namespace pelorin::skintool {

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> table = {
      {"pack", "skintool pack DIR -o SKIN.skn", RunPack},
      {"unpack", "skintool unpack SKIN.skn -o DIR", RunUnpack},
      {"list", "skintool list SKIN.skn", RunList},
      {"info", "skintool info SKIN.skn [--json]", RunInfo},
#ifdef PELORIN_SKINTOOL_PREVIEW
      {"preview", "skintool preview SKIN.skn -o OUT.png [--size WxH] [--inactive]", RunPreview},
#endif
  };
  return table;
}

namespace {

std::string OneLine(std::string s) {
  for (char& c : s) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s;
}

void PrintUsage(std::ostream& err) {
  err << "usage:\n";
  for (const TCommand& c : Commands()) err << "  " << c.usage << "\n";
}

// Turns the archive reader's message box into text the tool can report.
class TMessageCapture {
public:
  TMessageCapture() {
    saved_ = SetMessageBoxFunc([this](const std::string& text, const std::string&, int) {
      text_ = text;
      return idOK;
    });
  }
  ~TMessageCapture() { SetMessageBoxFunc(std::move(saved_)); }
  const std::string& Text() const { return text_; }

private:
  TMessageBoxFunc saved_;
  std::string text_;
};

}  // namespace

std::string Utf8(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

std::filesystem::path PathFromUtf8(const std::string& s) { return std::filesystem::path(std::u8string(s.begin(), s.end())); }

TInOut ParseInOut(const std::vector<std::string>& args, bool needOutput) {
  TInOut r;
  bool haveInput = false, haveOutput = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (!needOutput || haveOutput || i + 1 >= args.size()) throw EUsageError("misplaced -o");
      r.output = args[++i];
      haveOutput = true;
    } else if (!haveInput && !(args[i].size() > 1 && args[i][0] == '-')) {
      r.input = args[i];
      haveInput = true;
    } else {
      throw EUsageError("unexpected argument \"" + args[i] + "\"");
    }
  }
  if (!haveInput) throw EUsageError("missing input");
  if (needOutput && !haveOutput) throw EUsageError("missing -o OUTPUT");
  return r;
}

void LoadArchive(const std::string& fileName, TSkinReader& reader) {
  TMemoryStream packed;
  packed.LoadFromFile(fileName);
  TMessageCapture capture;
  if (!reader.ReadFromStream(packed)) {
    if (!capture.Text().empty()) throw EToolError(fileName + ": " + OneLine(capture.Text()));
    throw EToolError(fileName + ": damaged skin archive (its names, sizes and data do not fit together)");
  }
}

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TCommand* command = nullptr;
  if (!args.empty()) {
    for (const TCommand& c : Commands()) {
      if (args[0] == c.name) command = &c;
    }
  }
  if (command == nullptr) {
    err << "skintool: " << (args.empty() ? "no command given" : "unknown command \"" + args[0] + "\"") << "\n";
    PrintUsage(err);
    return ExitUsage;
  }
  try {
    command->run(std::vector<std::string>(args.begin() + 1, args.end()), out);
    return ExitOk;
  } catch (const EUsageError& e) {
    err << "skintool " << command->name << ": " << e.what() << "\n  usage: " << command->usage << "\n";
    return ExitUsage;
  } catch (const std::exception& e) {
    err << "skintool " << command->name << ": " << OneLine(e.what()) << "\n";
    return ExitRefused;
  }
}

}  // namespace pelorin::skintool

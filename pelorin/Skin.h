// Skinning a plain Win32 program (no host framework): load a skin from a
// file, from memory or from a resource, and every window of the calling
// thread is drawn with it until Stop. Standard C++ only: no Windows or
// framework header is needed to include this one.
//
//   #include "pelorin/Skin.h"
//   pelorin::TThreadSkin skin;
//   if (auto error = skin.Start(pelorin::TSkinSource::File("slate.skn"))) { /* error.Text() */ }
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pelorin {

// Why a skin could not be used. Nothing changed on the screen when Start
// returns one: the windows keep the look they had.
enum class TSkinErrorCode {
  None,
  FileNotFound,      // no file at that path
  FileUnreadable,    // a folder, or a file that cannot be read
  ResourceNotFound,  // the module has no resource of that name and type
  NoData,            // the source holds no bytes
  Refused,           // a skin archive of a version this library does not read
  Damaged,           // the bytes are not a whole skin
  WrongThread,       // Start or Stop on another thread than the one skinned
  AlreadyRunning,    // another TThreadSkin of the program is running
};

struct TSkinError {
  TSkinErrorCode Code = TSkinErrorCode::None;
  std::string Source;  // the file, "memory" or "resource ..."
  std::string Reason;  // what went wrong, in words
  // True when something went wrong.
  explicit operator bool() const { return Code != TSkinErrorCode::None; }
  // "<source>: <reason>", for a message box or a log.
  std::string Text() const;
};

// Where a skin's bytes come from. Memory is copied; a module is an HMODULE
// (nullptr: the program's own); the resource type defaults to RCDATA.
class TSkinSource {
public:
  static TSkinSource File(std::string utf8Path);
  static TSkinSource Memory(const void* bytes, std::size_t size);
  static TSkinSource Resource(void* module, int id, int typeId = 10);
  static TSkinSource Resource(void* module, std::wstring name, std::wstring type = L"");

  enum class TKind { File, Memory, Resource };
  TKind Kind() const { return kind_; }
  const std::string& Path() const { return path_; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  void* Module() const { return module_; }
  // A resource is named by text when the name is not empty, else by number.
  const std::wstring& ResourceName() const { return name_; }
  int ResourceId() const { return id_; }
  const std::wstring& ResourceType() const { return type_; }
  int ResourceTypeId() const { return typeId_; }
  // How errors name the source.
  std::string Describe() const;

private:
  TSkinSource() = default;
  TKind kind_ = TKind::File;
  std::string path_;
  std::vector<std::uint8_t> bytes_;
  void* module_ = nullptr;
  std::wstring name_, type_;
  int id_ = 0, typeId_ = 10;
};

// Skins every window of the thread that starts it: the windows open now and
// every one activated later (message boxes and dialogs included), with their
// menus and child controls. Use it from that thread; one at a time per program.
class TThreadSkin {
public:
  TThreadSkin();
  // Stops.
  ~TThreadSkin();
  TThreadSkin(const TThreadSkin&) = delete;
  TThreadSkin& operator=(const TThreadSkin&) = delete;

  // Loads the skin and skins the thread's windows; while running, switches
  // them to the new skin. On an error nothing changes: windows keep the look
  // they had (the system's, or the running skin).
  [[nodiscard]] TSkinError Start(const TSkinSource& source);
  [[nodiscard]] TSkinError Switch(const TSkinSource& source) { return Start(source); }
  // Every window gets its own procedure, styles, region and look back; new
  // windows are left alone. Refused (WrongThread) from another thread.
  TSkinError Stop();
  bool Running() const;

private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace pelorin

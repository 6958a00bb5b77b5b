// Form-file streaming of components: the filer through which a class names its
// stored properties (DefineProperties), the reader and writer that move them
// between objects and form-file trees, and the class registry.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/FormFile.h"
#include "host/core/Streams.h"

namespace pelorin {

class TCollection;
class TComponent;
class TPersistent;
class TReader;
class TWriter;

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

// A class lists its stored properties in DefineProperties; the same list
// serves reading (read procs) and writing (write procs, when hasData).
class TFiler {
public:
  virtual ~TFiler() = default;
  virtual void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) = 0;
  // Binary data, stored as { hex }: read gets the bytes as a stream from its
  // start, write puts them into an empty stream.
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) = 0;

  // Shorthands for the common value kinds.
  void DefineInteger(const std::string& name, std::function<int64_t()> get, std::function<void(int64_t)> set);
  void DefineString(const std::string& name, std::function<std::string()> get, std::function<void(const std::string&)> set);
  void DefineBoolean(const std::string& name, std::function<bool()> get, std::function<void(bool)> set);
  // An enumeration stored by the names of its ordinals.
  void DefineEnum(const std::string& name, std::vector<std::string> names, std::function<int()> get,
                  std::function<void(int)> set);
  // A set of up to 32 members stored by name (bit n = names[n]).
  void DefineSet(const std::string& name, std::vector<std::string> names, std::function<uint32_t()> get,
                 std::function<void(uint32_t)> set);
  void DefineCollection(const std::string& name, TCollection& collection);
};

// Reads one object's properties from form-file properties.
class TReader : public TFiler {
public:
  // Sets every property of props on object; an unknown property or a value
  // of the wrong kind raises EReadError naming it.
  void ReadProperties(TPersistent& object, const std::vector<TFormProp>& props);

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

  // The value of the property being read, by kind.
  const TFormValue& Value() const { return *value_; }
  int64_t ReadInteger() const;
  std::string ReadString() const;
  bool ReadBoolean() const;
  std::string ReadIdent() const;
  std::vector<std::string> ReadSet() const;
  // Clears the collection and reads one item per stored item.
  void ReadCollection(TCollection& collection) const;
  [[noreturn]] void InvalidValue() const;

  // Component state while a form is read (TComponent lets the reader set it).
  static void BeginReading(TComponent& component);
  static void EndReading(TComponent& component);

private:
  struct TDef {
    std::string name;
    TReaderProc read;
    TStreamProc readBinary;
  };
  std::vector<TDef> defs_;
  const TFormValue* value_ = nullptr;
  std::string propName_;
};

// Collects one object's properties as form-file properties.
class TWriter : public TFiler {
public:
  std::vector<TFormProp> WriteProperties(TPersistent& object);

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

  void WriteInteger(int64_t v) { current_ = TFormValue::Int(v); }
  void WriteString(std::string v) { current_ = TFormValue::Str(std::move(v)); }
  void WriteBoolean(bool v) { current_ = TFormValue::Ident(v ? "True" : "False"); }
  void WriteIdent(std::string v) { current_ = TFormValue::Ident(std::move(v)); }
  void WriteSet(std::vector<std::string> members);
  void WriteCollection(TCollection& collection);
  void WriteValue(TFormValue v) { current_ = std::move(v); }

private:
  std::vector<TFormProp> props_;
  TFormValue current_;
};

// Classes a form file may name, with the way to create one.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// (Not named RegisterClass: the Windows headers define that as a macro.)
void RegisterComponentFactory(const std::string& className, TComponentFactory factory);
template <class T> void RegisterComponentClass(const std::string& className) {
  RegisterComponentFactory(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsClassRegistered(std::string_view className);

// Reads a form file into root: its properties, then its nested objects,
// created from the class registry with root as owner. Every component read is
// in the loading state until all are read; then each gets Loaded, root first.
void ReadComponentText(std::string_view text, TComponent& root);
// Creates the root object from the class registry as well.
TComponent* ReadRootText(std::string_view text, TComponent* owner);
// Writes root with its properties and the components it owns, nested.
std::string WriteComponentText(TComponent& root);

}  // namespace pelorin

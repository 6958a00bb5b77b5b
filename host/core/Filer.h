// Form-file streaming of components: the filer through which a class names its
// stored properties (DefineProperties), the reader and writer that move them
// between objects and form-file trees, the class registry and form methods.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/core/FormFile.h"
#include "host/core/Streams.h"

namespace pelorin {

class TCollection;
class TComponent;
class TPersistent;
class TReader;
class TWriter;

// A form file names a class nobody registered.
class EClassNotFound : public EReadError { using EReadError::EReadError; };

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

// A handler made from a form's method: it keeps the method's name so that
// the writer can store the binding again.
template <class Sig> struct TBoundMethod;
template <class R, class... A> struct TBoundMethod<R(A...)> {
  std::string Name;
  std::function<R(A...)> Call;
  R operator()(A... args) const { return Call(std::forward<A>(args)...); }
};

// A class lists its stored properties in DefineProperties (calling the
// inherited one first); the same list serves reading (read procs) and
// writing (write procs, when hasData). Properties are read in file order.
class TFiler {
public:
  virtual ~TFiler() = default;
  virtual void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) = 0;
  // Binary data, stored as { hex }: read gets the bytes as a stream from its
  // start, write puts them into an empty stream.
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) = 0;
  // An object owned by this one (a font): its own properties are stored
  // under dotted names, "Font.Name".
  virtual void DefineObject(const std::string& name, TPersistent& object) = 0;

  // The component at the top of the form being read or written (or nullptr).
  TComponent* Root() const { return root_; }

  // Shorthands for the common value kinds. A value equal to defaultValue is
  // not written; without a default the property is always written.
  void DefineInteger(const std::string& name, std::function<int64_t()> get, std::function<void(int64_t)> set,
                     std::optional<int64_t> defaultValue = std::nullopt);
  void DefineString(const std::string& name, std::function<std::string()> get,
                    std::function<void(const std::string&)> set, std::optional<std::string> defaultValue = std::nullopt);
  void DefineBoolean(const std::string& name, std::function<bool()> get, std::function<void(bool)> set,
                     std::optional<bool> defaultValue = std::nullopt);
  // An enumeration stored by the names of its ordinals.
  void DefineEnum(const std::string& name, std::vector<std::string> names, std::function<int()> get,
                  std::function<void(int)> set, std::optional<int> defaultValue = std::nullopt);
  // A set of up to 32 members stored by name (bit n = names[n]).
  void DefineSet(const std::string& name, std::vector<std::string> names, std::function<uint32_t()> get,
                 std::function<void(uint32_t)> set, std::optional<uint32_t> defaultValue = std::nullopt);
  // The items are cleared, then read one by one with their own properties.
  void DefineCollection(const std::string& name, TCollection& collection);
  // A list of strings: ( 'a' 'b' ); not written when empty.
  void DefineStrings(const std::string& name, std::function<std::vector<std::string>()> get,
                     std::function<void(const std::vector<std::string>&)> set);

  // A reference to another component of the form (or the form itself),
  // stored by name; the reader sets it once the whole form is read. A
  // component of another class than C is an error; nil stores nullptr.
  template <class C = TComponent>
  void DefineComponent(const std::string& name, std::type_identity_t<std::function<C*()>> get,
                       std::type_identity_t<std::function<void(C*)>> set) {
    DefineReference(
        name, [get] { return static_cast<TComponent*>(get()); },
        [set](TComponent* c) {
          C* typed = dynamic_cast<C*>(c);
          if (c && !typed) ReferenceClassError(c);
          set(typed);
        });
  }

  // An event bound to a method of the form by the method's name (see
  // RegisterMethod); bound once the whole form is read. Only handlers made
  // from form methods are written.
  template <class R, class... A> void DefineEvent(const std::string& name, std::function<R(A...)>& handler) {
    using F = std::function<R(A...)>;
    const auto* bound = handler ? handler.template target<TBoundMethod<R(A...)>>() : nullptr;
    DefineMethod(
        name,
        [&handler](const std::any& method) {
          const F* f = std::any_cast<F>(&method);
          if (f) handler = *f;
          return f != nullptr;
        },
        bound ? bound->Name : std::string());
  }

protected:
  explicit TFiler(TComponent* root) : root_(root) {}
  TComponent* root_;

private:
  void DefineReference(const std::string& name, std::function<TComponent*()> get,
                       std::function<void(TComponent*)> set);
  void DefineMethod(const std::string& name, std::function<bool(const std::any&)> bind,
                    const std::string& boundName);
  [[noreturn]] static void ReferenceClassError(const TComponent* c);
};

// Reads objects' properties from form-file properties. References and
// events wait until FixupReferences (the form functions below call it).
class TReader : public TFiler {
public:
  explicit TReader(TComponent* root = nullptr);

  // Sets every property of props on object, in order. An unknown property, a
  // property given twice or a value of the wrong kind raises EReadError
  // naming the property and its line.
  void ReadProperties(TPersistent& object, const std::vector<TFormProp>& props);
  // Resolves the references and event bindings read so far.
  void FixupReferences();

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;
  void DefineObject(const std::string& name, TPersistent& object) override;

  // The value of the property being read, by kind; the wrong kind raises EReadError.
  const TFormValue& Value() const { return *value_; }
  int64_t ReadInteger() const;
  std::string ReadString() const;
  bool ReadBoolean() const;
  std::string ReadIdent() const;
  std::vector<std::string> ReadSet() const;
  std::vector<std::string> ReadStrings() const;
  // Clears the collection and reads one item per stored item.
  void ReadCollection(TCollection& collection);
  // Remembers to call set with the component the value names, after the form.
  void ReadReference(std::function<void(TComponent*)> set);
  // Remembers to bind the form's method the value names, after the form.
  void ReadMethod(std::function<bool(const std::any&)> bind);
  [[noreturn]] void InvalidValue() const;

  // Component state while a form is read (TComponent lets the reader set it).
  static void BeginReading(TComponent& component);
  static void EndReading(TComponent& component);
  // Leaves the loading state without Loaded, after a failed read.
  static void CancelReading(TComponent& component);

private:
  struct TFixups;
  struct TDef {
    std::string name;
    TReaderProc read;
    TStreamProc readBinary;
    TPersistent* object = nullptr;
  };
  TReader(TComponent* root, std::shared_ptr<TFixups> fixups, std::string path);
  void ReadProperty(TPersistent& object, std::string_view name, const TFormProp& prop);
  std::string Where() const;

  std::shared_ptr<TFixups> fixups_;
  std::string path_;  // object path for messages: Form1.Store[2]
  std::vector<TDef> defs_;
  const TFormValue* value_ = nullptr;
  std::string propName_;
  int line_ = 0;
};

// Collects one object's properties as form-file properties.
class TWriter : public TFiler {
public:
  explicit TWriter(TComponent* root = nullptr) : TFiler(root) {}
  std::vector<TFormProp> WriteProperties(TPersistent& object);

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;
  void DefineObject(const std::string& name, TPersistent& object) override;

  void WriteInteger(int64_t v) { current_ = TFormValue::Int(v); }
  void WriteString(std::string v) { current_ = TFormValue::Str(std::move(v)); }
  void WriteBoolean(bool v) { current_ = TFormValue::Ident(v ? "True" : "False"); }
  void WriteIdent(std::string v) { current_ = TFormValue::Ident(std::move(v)); }
  void WriteSet(std::vector<std::string> members);
  void WriteStrings(const std::vector<std::string>& strings);
  void WriteCollection(TCollection& collection);
  void WriteValue(TFormValue v) { current_ = std::move(v); }

private:
  std::vector<TFormProp> props_;
  TFormValue current_;
};

// Classes a form file may name, with the way to create one.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// (Not named RegisterClass: the Windows headers define that as a macro.)
// Registering a name again replaces the factory.
void RegisterComponentFactory(const std::string& className, TComponentFactory factory);
template <class T> void RegisterComponentClass(const std::string& className) {
  RegisterComponentFactory(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsClassRegistered(std::string_view className);
// The factory of a class (names compare ignoring ASCII case); EClassNotFound when none.
const TComponentFactory& FindClass(std::string_view className);

// Methods of a form class that events in its form files may name.
using TMethodFactory = std::function<std::any(TComponent& root)>;
void RegisterMethodFactory(const std::string& className, const std::string& methodName, TMethodFactory factory);
// Registers T::method as the handler called methodName for forms of class
// className (a T); events of the matching std::function type can name it.
template <class T, class R, class... A>
void RegisterMethod(const std::string& className, const std::string& methodName, R (T::*method)(A...)) {
  RegisterMethodFactory(className, methodName, [methodName, method](TComponent& root) -> std::any {
    T* self = dynamic_cast<T*>(&root);
    if (!self) return {};
    return std::function<R(A...)>(TBoundMethod<R(A...)>{
        methodName, [self, method](A... args) -> R { return (self->*method)(std::forward<A>(args)...); }});
  });
}
// The handler (a std::function) that root's class registered under that
// name, or an empty std::any.
std::any FindMethod(TComponent& root, std::string_view methodName);

// Reads a form file into root (whose class must be the one the file names):
// its properties, then its nested objects, created from the class registry
// with root as owner and the enclosing object as SetParentComponent. Every
// component read is in the loading state until all are read and references
// resolved; then each gets Loaded, root first, the others in creation order.
// On an error the components created are deleted again and the error raised.
void ReadComponentText(std::string_view text, TComponent& root);
// Creates the root object from the class registry as well.
TComponent* ReadRootText(std::string_view text, TComponent* owner);
// Stream forms of the two (the stream's remaining bytes are the text).
void ReadComponent(TStream& stream, TComponent& root);
// Writes root with its properties and, nested, the children GetChildren lists.
std::string WriteComponentText(TComponent& root);
void WriteComponent(TStream& stream, TComponent& root);

}  // namespace pelorin

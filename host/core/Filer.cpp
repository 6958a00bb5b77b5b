// Reading and writing object properties through form-file trees.
#include "host/core/Filer.h"

#include <new>
#include <set>
#include <stdexcept>

#include "host/core/Collection.h"
#include "host/core/Component.h"
#include "host/core/StringList.h"

namespace pelorin {

namespace {

// An error that already names the property and line it comes from; outer
// readers pass it on instead of wrapping it again.
class ELocatedReadError : public EReadError { using EReadError::EReadError; };

std::string LineText(int line) { return line > 0 ? " on line " + std::to_string(line) : std::string(); }

// The name a reference is stored under: only the form and its components can be named.
std::string ReferenceName(const TComponent* c, const TComponent* root) {
  if (!c || !root) return {};
  if (c == root || c->Owner() == root) return c->Name();
  return {};
}

}  // namespace

// ---- property shorthands

void TFiler::DefineInteger(const std::string& name, std::function<int64_t()> get, std::function<void(int64_t)> set,
                           std::optional<int64_t> defaultValue) {
  DefineProperty(
      name, [set](TReader& r) { set(r.ReadInteger()); }, [get](TWriter& w) { w.WriteInteger(get()); },
      !defaultValue || get() != *defaultValue);
}

void TFiler::DefineString(const std::string& name, std::function<std::string()> get,
                          std::function<void(const std::string&)> set, std::optional<std::string> defaultValue) {
  DefineProperty(
      name, [set](TReader& r) { set(r.ReadString()); }, [get](TWriter& w) { w.WriteString(get()); },
      !defaultValue || get() != *defaultValue);
}

void TFiler::DefineBoolean(const std::string& name, std::function<bool()> get, std::function<void(bool)> set,
                           std::optional<bool> defaultValue) {
  DefineProperty(
      name, [set](TReader& r) { set(r.ReadBoolean()); }, [get](TWriter& w) { w.WriteBoolean(get()); },
      !defaultValue || get() != *defaultValue);
}

void TFiler::DefineEnum(const std::string& name, std::vector<std::string> names, std::function<int()> get,
                        std::function<void(int)> set, std::optional<int> defaultValue) {
  const bool hasData = !defaultValue || get() != *defaultValue;
  DefineProperty(
      name,
      [names, set](TReader& r) {
        const std::string ident = r.ReadIdent();
        for (size_t i = 0; i < names.size(); ++i)
          if (SameTextAscii(names[i], ident)) return set(static_cast<int>(i));
        r.InvalidValue();
      },
      [names, get](TWriter& w) {
        const int v = get();
        if (v < 0 || static_cast<size_t>(v) >= names.size())
          throw EWriteError("Enumeration value " + std::to_string(v) + " has no name");
        w.WriteIdent(names[static_cast<size_t>(v)]);
      },
      hasData);
}

void TFiler::DefineSet(const std::string& name, std::vector<std::string> names, std::function<uint32_t()> get,
                       std::function<void(uint32_t)> set, std::optional<uint32_t> defaultValue) {
  if (names.size() > 32) names.resize(32);
  const bool hasData = !defaultValue || get() != *defaultValue;
  DefineProperty(
      name,
      [names, set](TReader& r) {
        uint32_t bits = 0;
        for (const std::string& member : r.ReadSet()) {
          size_t i = 0;
          while (i < names.size() && !SameTextAscii(names[i], member)) ++i;
          if (i == names.size()) r.InvalidValue();
          bits |= 1u << i;
        }
        set(bits);
      },
      [names, get](TWriter& w) {
        std::vector<std::string> members;
        const uint32_t bits = get();
        for (size_t i = 0; i < names.size(); ++i)
          if (bits >> i & 1u) members.push_back(names[i]);
        w.WriteSet(std::move(members));
      },
      hasData);
}

void TFiler::DefineCollection(const std::string& name, TCollection& collection) {
  DefineProperty(
      name, [&collection](TReader& r) { r.ReadCollection(collection); },
      [&collection](TWriter& w) { w.WriteCollection(collection); }, true);
}

void TFiler::DefineStrings(const std::string& name, std::function<std::vector<std::string>()> get,
                           std::function<void(const std::vector<std::string>&)> set) {
  DefineProperty(
      name, [set](TReader& r) { set(r.ReadStrings()); }, [get](TWriter& w) { w.WriteStrings(get()); },
      !get().empty());
}

void TFiler::DefineReference(const std::string& name, std::function<TComponent*()> get,
                             std::function<void(TComponent*)> set) {
  const std::string stored = ReferenceName(get(), root_);
  DefineProperty(
      name, [set](TReader& r) { r.ReadReference(set); }, [stored](TWriter& w) { w.WriteIdent(stored); },
      !stored.empty());
}

void TFiler::DefineMethod(const std::string& name, std::function<bool(const std::any&)> bind,
                          const std::string& boundName) {
  DefineProperty(
      name, [bind](TReader& r) { r.ReadMethod(bind); }, [boundName](TWriter& w) { w.WriteIdent(boundName); },
      !boundName.empty());
}

void TFiler::ReferenceClassError(const TComponent* c) {
  throw EReadError(c->Name() + " is a " + c->ClassName() + ", not a component this property takes");
}

// ---- reading

struct TReader::TFixups {
  std::vector<std::function<void()>> pending;
};

TReader::TReader(TComponent* root) : TReader(root, std::make_shared<TFixups>(), root ? root->Name() : "") {}

TReader::TReader(TComponent* root, std::shared_ptr<TFixups> fixups, std::string path)
    : TFiler(root), fixups_(std::move(fixups)), path_(std::move(path)) {}

std::string TReader::Where() const {
  return (path_.empty() ? std::string() : path_ + ".") + propName_ + LineText(line_);
}

void TReader::DefineProperty(const std::string& name, TReaderProc read, TWriterProc, bool) {
  defs_.push_back({name, std::move(read), nullptr, nullptr});
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc, bool) {
  defs_.push_back({name, nullptr, std::move(read), nullptr});
}

void TReader::DefineObject(const std::string& name, TPersistent& object) { defs_.push_back({name, nullptr, nullptr, &object}); }

void TReader::ReadProperties(TPersistent& object, const std::vector<TFormProp>& props) {
  if (const auto* component = dynamic_cast<const TComponent*>(&object))
    path_ = component->Name().empty() ? component->ClassName() : component->Name();
  std::set<std::string> seen;
  for (const TFormProp& p : props) {
    propName_ = p.Name;
    line_ = p.Line;
    if (!seen.insert(AnsiUpperAscii(p.Name)).second)
      throw ELocatedReadError("Property " + Where() + " is given twice");
    ReadProperty(object, p.Name, p);
  }
  value_ = nullptr;
}

void TReader::ReadProperty(TPersistent& object, std::string_view name, const TFormProp& prop) {
  size_t dot = name.find('.');
  std::string_view head = name.substr(0, dot);
  try {
    defs_.clear();
    object.DefineProperties(*this);
    // The last definition of a name wins, so a class can redefine an inherited
    // one. A dotted name may be defined as a whole ("Items.Strings").
    const TDef* def = nullptr;
    for (const TDef& d : defs_)
      if (SameTextAscii(d.name, name)) def = &d;
    if (def) {
      dot = std::string_view::npos;
      head = name;
    } else {
      for (const TDef& d : defs_)
        if (SameTextAscii(d.name, head)) def = &d;
    }
    if (!def) throw EReadError("Property " + std::string(head) + " does not exist");
    if (dot != std::string_view::npos) {
      if (!def->object) throw EReadError("Property " + std::string(head) + " has no properties of its own");
      TPersistent& nested = *def->object;
      TReader sub(root_, fixups_, path_);
      sub.propName_ = propName_;
      sub.line_ = line_;
      sub.ReadProperty(nested, name.substr(dot + 1), prop);
      return;
    }
    value_ = &prop.Value;
    if (def->object) {
      throw EReadError("Property " + def->name + " is an object: give its properties as " + def->name + ".Name");
    } else if (def->readBinary) {
      if (prop.Value.Kind != TFormValue::vkBinary) InvalidValue();
      TMemoryStream bytes;
      bytes.Assign(prop.Value.Binary.data(), prop.Value.Binary.size());
      try {
        def->readBinary(bytes);
      } catch (const std::length_error&) {
        // A reader that trusted a length from the data: the form is damaged.
        throw EReadError(SReadError);
      } catch (const std::bad_alloc&) {
        throw EReadError(SReadError);
      }
    } else if (def->read) {
      def->read(*this);
    }
  } catch (const ELocatedReadError&) {
    throw;
  } catch (const Exception& e) {
    throw ELocatedReadError("Error reading " + Where() + ": " + e.what());
  }
}

void TReader::InvalidValue() const { throw EReadError("Invalid property value"); }

int64_t TReader::ReadInteger() const {
  if (Value().Kind != TFormValue::vkInteger) InvalidValue();
  // $FFFFFFFF is a 32-bit pattern: as an Int it is -1.
  const int64_t v = Value().Integer;
  if (v < INT32_MIN || v > static_cast<int64_t>(UINT32_MAX)) throw EReadError("Value out of range");
  return v > INT32_MAX ? static_cast<int32_t>(static_cast<uint32_t>(v)) : v;
}

std::string TReader::ReadString() const {
  if (Value().Kind != TFormValue::vkString) InvalidValue();
  return Value().Text;
}

bool TReader::ReadBoolean() const {
  if (Value().Kind == TFormValue::vkIdent) {
    if (SameTextAscii(Value().Text, "True")) return true;
    if (SameTextAscii(Value().Text, "False")) return false;
  }
  InvalidValue();
}

std::string TReader::ReadIdent() const {
  if (Value().Kind != TFormValue::vkIdent) InvalidValue();
  return Value().Text;
}

std::vector<std::string> TReader::ReadSet() const {
  if (Value().Kind != TFormValue::vkSet) InvalidValue();
  return Value().Set;
}

std::vector<std::string> TReader::ReadStrings() const {
  if (Value().Kind != TFormValue::vkList) InvalidValue();
  std::vector<std::string> strings;
  for (const TFormValue& v : Value().List) {
    if (v.Kind != TFormValue::vkString) InvalidValue();
    strings.push_back(v.Text);
  }
  return strings;
}

void TReader::ReadCollection(TCollection& collection) {
  if (Value().Kind != TFormValue::vkCollection) InvalidValue();
  const auto& items = Value().Items;
  const std::string path = (path_.empty() ? std::string() : path_ + ".") + propName_;
  collection.BeginUpdate();
  try {
    collection.Clear();
    for (size_t i = 0; i < items.size(); ++i)
      TReader(root_, fixups_, path + "[" + std::to_string(i) + "]").ReadProperties(*collection.Add(), items[i]);
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

void TReader::ReadReference(std::function<void(TComponent*)> set) {
  const std::string name = ReadIdent();
  TComponent* root = root_;
  const std::string where = Where();
  fixups_->pending.push_back([name, root, where, set] {
    TComponent* target = nullptr;
    if (!SameTextAscii(name, "nil")) {
      if (root && SameTextAscii(name, root->Name()))
        target = root;
      else if (root)
        target = root->FindComponent(name);
      if (!target) throw ELocatedReadError("Error reading " + where + ": Component " + name + " not found");
    }
    try {
      set(target);
    } catch (const Exception& e) {
      throw ELocatedReadError("Error reading " + where + ": " + e.what());
    }
  });
}

void TReader::ReadMethod(std::function<bool(const std::any&)> bind) {
  const std::string name = ReadIdent();
  TComponent* root = root_;
  const std::string where = Where();
  fixups_->pending.push_back([name, root, where, bind] {
    const std::any method = root ? FindMethod(*root, name) : std::any();
    if (!method.has_value())
      throw ELocatedReadError("Error reading " + where + ": Method " + name + " not found" +
                              (root ? " in " + root->ClassName() : std::string()));
    if (!bind(method))
      throw ELocatedReadError("Error reading " + where + ": Method " + name + " does not fit the event");
  });
}

void TReader::FixupReferences() {
  // Take the list first: a fixup that fails leaves none behind.
  const auto pending = std::move(fixups_->pending);
  fixups_->pending.clear();
  for (const auto& fixup : pending) fixup();
}

void TReader::BeginReading(TComponent& component) {
  component.Loading();
  component.IncludeState(csReading);
}

void TReader::EndReading(TComponent& component) { component.ExcludeState(csReading); }

void TReader::CancelReading(TComponent& component) { component.ExcludeState(csReading | csLoading); }

// ---- writing

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc write, bool hasData) {
  if (!hasData || !write) return;
  current_ = TFormValue();
  write(*this);
  props_.push_back({name, std::move(current_), 0});
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc write, bool hasData) {
  if (!hasData || !write) return;
  TMemoryStream bytes;
  write(bytes);
  props_.push_back({name, TFormValue::Bytes(bytes.Bytes()), 0});
}

void TWriter::DefineObject(const std::string& name, TPersistent& object) {
  for (TFormProp& p : TWriter(root_).WriteProperties(object)) {
    p.Name = name + "." + p.Name;
    props_.push_back(std::move(p));
  }
}

std::vector<TFormProp> TWriter::WriteProperties(TPersistent& object) {
  props_.clear();
  object.DefineProperties(*this);
  return std::move(props_);
}

void TWriter::WriteSet(std::vector<std::string> members) {
  current_ = TFormValue();
  current_.Kind = TFormValue::vkSet;
  current_.Set = std::move(members);
}

void TWriter::WriteStrings(const std::vector<std::string>& strings) {
  current_ = TFormValue();
  current_.Kind = TFormValue::vkList;
  for (const std::string& s : strings) current_.List.push_back(TFormValue::Str(s));
}

void TWriter::WriteCollection(TCollection& collection) {
  TFormValue v;
  v.Kind = TFormValue::vkCollection;
  for (int i = 0; i < collection.Count(); ++i) v.Items.push_back(TWriter(root_).WriteProperties(*collection.Items(i)));
  current_ = std::move(v);
}

}  // namespace pelorin

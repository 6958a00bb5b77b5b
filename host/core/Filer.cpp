// Reading and writing component properties through form-file trees, and the
// class registry that creates the components a form file names.
#include "host/core/Filer.h"

#include <map>

#include "host/core/Collection.h"
#include "host/core/Component.h"
#include "host/core/StringList.h"

namespace pelorin {

void TFiler::DefineInteger(const std::string& name, std::function<int64_t()> get, std::function<void(int64_t)> set) {
  DefineProperty(name, [set](TReader& r) { set(r.ReadInteger()); }, [get](TWriter& w) { w.WriteInteger(get()); }, true);
}

void TFiler::DefineString(const std::string& name, std::function<std::string()> get,
                          std::function<void(const std::string&)> set) {
  DefineProperty(name, [set](TReader& r) { set(r.ReadString()); }, [get](TWriter& w) { w.WriteString(get()); }, true);
}

void TFiler::DefineBoolean(const std::string& name, std::function<bool()> get, std::function<void(bool)> set) {
  DefineProperty(name, [set](TReader& r) { set(r.ReadBoolean()); }, [get](TWriter& w) { w.WriteBoolean(get()); }, true);
}

void TFiler::DefineEnum(const std::string& name, std::vector<std::string> names, std::function<int()> get,
                        std::function<void(int)> set) {
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
        if (v >= 0 && static_cast<size_t>(v) < names.size()) w.WriteIdent(names[v]);
        else w.WriteInteger(v);
      },
      true);
}

void TFiler::DefineSet(const std::string& name, std::vector<std::string> names, std::function<uint32_t()> get,
                       std::function<void(uint32_t)> set) {
  DefineProperty(
      name,
      [names, set](TReader& r) {
        uint32_t bits = 0;
        for (const std::string& member : r.ReadSet()) {
          size_t i = 0;
          while (i < names.size() && i < 32 && !SameTextAscii(names[i], member)) ++i;
          if (i == names.size() || i == 32) r.InvalidValue();
          bits |= 1u << i;
        }
        set(bits);
      },
      [names, get](TWriter& w) {
        std::vector<std::string> members;
        const uint32_t bits = get();
        for (size_t i = 0; i < names.size() && i < 32; ++i)
          if (bits >> i & 1u) members.push_back(names[i]);
        w.WriteSet(std::move(members));
      },
      true);
}

void TFiler::DefineCollection(const std::string& name, TCollection& collection) {
  DefineProperty(
      name, [&collection](TReader& r) { r.ReadCollection(collection); },
      [&collection](TWriter& w) { w.WriteCollection(collection); }, true);
}

// ---- reading

void TReader::DefineProperty(const std::string& name, TReaderProc read, TWriterProc, bool) {
  defs_.push_back({name, std::move(read), nullptr});
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc, bool) {
  defs_.push_back({name, nullptr, std::move(read)});
}

void TReader::ReadProperties(TPersistent& object, const std::vector<TFormProp>& props) {
  defs_.clear();
  if (auto* component = dynamic_cast<TComponent*>(&object))
    DefineInteger("Tag", [component] { return component->Tag(); },
                  [component](int64_t v) { component->SetTag(static_cast<int>(v)); });
  object.DefineProperties(*this);
  for (const TFormProp& p : props) {
    propName_ = p.Name;
    value_ = &p.Value;
    const TDef* def = nullptr;
    for (const TDef& d : defs_)
      if (SameTextAscii(d.name, p.Name)) def = &d;
    if (!def) throw EReadError("Error reading " + object.ClassName() + "." + p.Name + ": Property " + p.Name + " does not exist");
    if (def->readBinary) {
      if (p.Value.Kind != TFormValue::vkBinary) InvalidValue();
      TMemoryStream bytes;
      bytes.Assign(p.Value.Binary.data(), p.Value.Binary.size());
      def->readBinary(bytes);
    } else if (def->read) {
      def->read(*this);
    }
  }
  value_ = nullptr;
}

void TReader::InvalidValue() const { throw EReadError("Invalid property value for " + propName_); }

int64_t TReader::ReadInteger() const {
  if (Value().Kind != TFormValue::vkInteger || Value().Integer < INT32_MIN || Value().Integer > UINT32_MAX) InvalidValue();
  return Value().Integer;
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

void TReader::ReadCollection(TCollection& collection) const {
  if (Value().Kind != TFormValue::vkCollection) InvalidValue();
  collection.BeginUpdate();
  try {
    collection.Clear();
    for (const auto& item : Value().Items) TReader().ReadProperties(*collection.Add(), item);
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

void TReader::BeginReading(TComponent& component) {
  component.Loading();
  component.IncludeState(csReading);
}

void TReader::EndReading(TComponent& component) { component.ExcludeState(csReading); }

// ---- writing

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc write, bool hasData) {
  if (!hasData || !write) return;
  current_ = TFormValue();
  write(*this);
  props_.push_back({name, std::move(current_)});
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc write, bool hasData) {
  if (!hasData || !write) return;
  TMemoryStream bytes;
  write(bytes);
  TFormValue v;
  v.Kind = TFormValue::vkBinary;
  v.Binary = bytes.Bytes();
  props_.push_back({name, std::move(v)});
}

std::vector<TFormProp> TWriter::WriteProperties(TPersistent& object) {
  props_.clear();
  if (auto* component = dynamic_cast<TComponent*>(&object); component && component->Tag() != 0)
    props_.push_back({"Tag", TFormValue::Int(component->Tag())});
  object.DefineProperties(*this);
  return std::move(props_);
}

void TWriter::WriteSet(std::vector<std::string> members) {
  current_ = TFormValue();
  current_.Kind = TFormValue::vkSet;
  current_.Set = std::move(members);
}

void TWriter::WriteCollection(TCollection& collection) {
  TFormValue v;
  v.Kind = TFormValue::vkCollection;
  for (int i = 0; i < collection.Count(); ++i) v.Items.push_back(TWriter().WriteProperties(*collection.Items(i)));
  current_ = std::move(v);
}

// ---- components

namespace {

std::map<std::string, TComponentFactory>& Registry() {
  static std::map<std::string, TComponentFactory> registry;
  return registry;
}

const TComponentFactory* FindFactory(std::string_view className) {
  for (const auto& [name, factory] : Registry())
    if (SameTextAscii(name, className)) return &factory;
  return nullptr;
}

TComponent* Create(const std::string& className, TComponent* owner) {
  const TComponentFactory* factory = FindFactory(className);
  if (!factory) throw EReadError("Class " + className + " not found");
  return (*factory)(owner);
}

void ReadChildren(const TFormObject& object, TComponent& root, std::vector<TComponent*>& loaded) {
  for (const TFormObject& child : object.Children) {
    TComponent* c = Create(child.ClassName, &root);
    loaded.push_back(c);
    TReader::BeginReading(*c);
    c->SetName(child.Name);
    TReader().ReadProperties(*c, child.Props);
    TReader::EndReading(*c);
    ReadChildren(child, root, loaded);
  }
}

TFormObject WriteObject(TComponent& c, bool withOwned) {
  TFormObject o;
  o.Name = c.Name();
  o.ClassName = c.ClassName();
  o.Props = TWriter().WriteProperties(c);
  std::vector<TComponent*> children;
  if (withOwned)
    for (int i = 0; i < c.ComponentCount(); ++i) children.push_back(c.Components(i));
  else
    c.GetChildren([&children](TComponent* child) { children.push_back(child); }, &c);
  for (TComponent* child : children) o.Children.push_back(WriteObject(*child, false));
  return o;
}

}  // namespace

void RegisterComponentFactory(const std::string& className, TComponentFactory factory) {
  Registry()[className] = std::move(factory);
}

bool IsClassRegistered(std::string_view className) { return FindFactory(className) != nullptr; }

void ReadComponentText(std::string_view text, TComponent& root) {
  const TFormObject form = ParseFormText(text);
  std::vector<TComponent*> loaded{&root};
  TReader::BeginReading(root);
  try {
    if (!form.Name.empty() && root.Name().empty()) root.SetName(form.Name);
    TReader().ReadProperties(root, form.Props);
    ReadChildren(form, root, loaded);
  } catch (...) {
    for (TComponent* c : loaded) TReader::EndReading(*c);
    throw;
  }
  for (TComponent* c : loaded) TReader::EndReading(*c);
  for (TComponent* c : loaded) c->Loaded();
}

TComponent* ReadRootText(std::string_view text, TComponent* owner) {
  const TFormObject form = ParseFormText(text);
  TComponent* root = Create(form.ClassName, owner);
  try {
    ReadComponentText(text, *root);
  } catch (...) {
    delete root;
    throw;
  }
  return root;
}

std::string WriteComponentText(TComponent& root) { return FormToText(WriteObject(root, true)); }

}  // namespace pelorin

// Whole forms: a component tree read from a form file (creation, names,
// parents, references, Loaded) and written back to one.
#include <exception>

#include "host/core/Component.h"
#include "host/core/Filer.h"
#include "host/core/StringList.h"

namespace pelorin {

namespace {

std::string LineText(int line) { return line > 0 ? " on line " + std::to_string(line) : std::string(); }

class TFormLoader {
public:
  explicit TFormLoader(TComponent& root) : root_(root), reader_(&root) {}

  void Load(const TFormObject& form) {
    TReader::BeginReading(root_);
    try {
      if (!form.Name.empty() && root_.Name().empty()) SetName(root_, form);
      reader_.ReadProperties(root_, form.Props);
      ReadChildren(form, root_);
      reader_.FixupReferences();
    } catch (...) {
      // Nothing half-read stays behind in the root.
      while (!created_.empty()) {
        delete created_.back();
        created_.pop_back();
      }
      TReader::CancelReading(root_);
      throw;
    }
    TReader::EndReading(root_);
    for (TComponent* c : created_) TReader::EndReading(*c);
    // Every component hears Loaded even when an earlier one throws; the
    // first error is raised afterwards.
    std::exception_ptr error;
    const std::vector<TComponent*> loaded = created_;
    CallLoaded(&root_, error);
    for (TComponent* c : loaded) CallLoaded(c, error);
    if (error) std::rethrow_exception(error);
  }

private:
  static void CallLoaded(TComponent* c, std::exception_ptr& error) {
    try {
      c->Loaded();
    } catch (...) {
      if (!error) error = std::current_exception();
    }
  }

  static void SetName(TComponent& c, const TFormObject& object) {
    try {
      c.SetName(object.Name);
    } catch (const Exception& e) {
      throw EReadError("Error reading " + object.Name + LineText(object.Line) + ": " + e.what());
    }
  }

  void ReadChildren(const TFormObject& object, TComponent& parent) {
    for (const TFormObject& child : object.Children) {
      TComponent* c = nullptr;
      try {
        c = FindClass(child.ClassName)(&root_);
      } catch (const EClassNotFound& e) {
        throw EClassNotFound(e.what() + LineText(child.Line));
      } catch (const Exception& e) {
        throw EReadError("Error creating " + child.ClassName + LineText(child.Line) + ": " + e.what());
      }
      if (!c) throw EReadError("Error creating " + child.ClassName + LineText(child.Line));
      created_.push_back(c);
      TReader::BeginReading(*c);
      SetName(*c, child);
      try {
        c->SetParentComponent(&parent);
      } catch (const Exception& e) {
        throw EReadError("Error reading " + child.Name + LineText(child.Line) + ": " + e.what());
      }
      reader_.ReadProperties(*c, child.Props);
      ReadChildren(child, *c);
    }
  }

  TComponent& root_;
  TReader reader_;
  std::vector<TComponent*> created_;  // in creation order
};

TFormObject WriteObject(TComponent& c, TComponent& root, int depth) {
  if (depth >= MaxFormDepth) throw EWriteError("Components nested too deeply");
  TFormObject o;
  o.Name = c.Name();
  o.ClassName = c.ClassName();
  o.Props = TWriter(&root).WriteProperties(c);
  c.GetChildren(
      [&](TComponent* child) {
        if (child) o.Children.push_back(WriteObject(*child, root, depth + 1));
      },
      &root);
  return o;
}

std::string RemainingText(TStream& stream) {
  const int64_t size = stream.Remaining();
  if (size < 0) throw EReadError(SReadError);
  std::string text(static_cast<size_t>(size), '\0');
  stream.ReadBuffer(text.data(), size);
  return text;
}

}  // namespace

void ReadComponentText(std::string_view text, TComponent& root) {
  const TFormObject form = ParseFormText(text);
  if (!SameTextAscii(form.ClassName, root.ClassName()))
    throw EReadError("The form file holds a " + form.ClassName + ", not a " + root.ClassName() + LineText(form.Line));
  TFormLoader(root).Load(form);
}

TComponent* ReadRootText(std::string_view text, TComponent* owner) {
  const TFormObject form = ParseFormText(text);
  TComponent* root = nullptr;
  try {
    root = FindClass(form.ClassName)(owner);
  } catch (const EClassNotFound& e) {
    throw EClassNotFound(e.what() + LineText(form.Line));
  }
  if (!root) throw EReadError("Error creating " + form.ClassName);
  try {
    TFormLoader(*root).Load(form);
  } catch (...) {
    delete root;
    throw;
  }
  return root;
}

void ReadComponent(TStream& stream, TComponent& root) { ReadComponentText(RemainingText(stream), root); }

std::string WriteComponentText(TComponent& root) { return FormToText(WriteObject(root, root, 0)); }

void WriteComponent(TStream& stream, TComponent& root) {
  const std::string text = WriteComponentText(root);
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

}  // namespace pelorin

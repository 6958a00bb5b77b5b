// TObject and TPersistent: the roots of the framework's class tree, with class
// names for the form-file streaming and the Assign protocol.
#pragma once

#include <string>

#include "host/core/Exceptions.h"

namespace pelorin {

// Raised when a value cannot be converted or assigned ("Cannot assign a X to a Y").
class EConvertError : public Exception { using Exception::Exception; };

// Reader and writer of form files; the streaming layer defines them.
class TFiler;
class TReader;
class TWriter;

class TObject {
public:
  TObject() = default;
  virtual ~TObject() = default;
  // Framework objects have identity: copy their state with Assign instead.
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // The framework class name ("TButton"); every class that streams overrides it.
  virtual std::string ClassName() const { return "TObject"; }
};

class TPersistent : public TObject {
public:
  std::string ClassName() const override { return "TPersistent"; }

  // Copies source's state into this object. The default asks source to do it
  // (AssignTo), which raises EConvertError when neither side knows the other.
  virtual void Assign(const TPersistent& source);

  // The object that owns this one in the streaming sense (a collection for
  // its items, the owner for a component); used to build name paths.
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Dotted path used in messages of the streaming layer.
  virtual std::string GetNamePath() const;

  // Hook for properties stored beside the published ones (binary data and
  // the like); the form-file reader and writer call it.
  virtual void DefineProperties(TFiler& filer);

protected:
  virtual void AssignTo(TPersistent& dest) const;
  // Raises the "Cannot assign" error with source's class name (or "nil").
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace pelorin

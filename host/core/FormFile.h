// The text form-file format as a tree: objects with properties and nested
// objects, and its parser and printer. Reading it into components is Filer.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/Exceptions.h"

namespace pelorin {

// A malformed form file (the message names the line).
class EParserError : public Exception { using Exception::Exception; };

struct TFormProp;

struct TFormValue {
  enum TKind { vkInteger, vkString, vkIdent, vkSet, vkCollection, vkBinary, vkList };
  TKind Kind = vkInteger;
  int64_t Integer = 0;
  std::string Text;                           // vkString (UTF-8), vkIdent (True, enumeration, method, component)
  std::vector<std::string> Set;               // vkSet
  std::vector<std::vector<TFormProp>> Items;  // vkCollection: each item's properties
  std::vector<uint8_t> Binary;                // vkBinary
  std::vector<TFormValue> List;               // vkList

  static TFormValue Int(int64_t v);
  static TFormValue Str(std::string v);
  static TFormValue Ident(std::string v);
  static TFormValue Bytes(std::vector<uint8_t> v);
};

struct TFormProp {
  std::string Name;  // may be dotted: Font.Name
  TFormValue Value;
  int Line = 0;      // where the parser found it (0: built in code)
};

// (Defined here: TFormProp must be complete for libstdc++ under clang.)
inline TFormValue TFormValue::Int(int64_t v) { TFormValue r; r.Kind = vkInteger; r.Integer = v; return r; }
inline TFormValue TFormValue::Str(std::string v) { TFormValue r; r.Kind = vkString; r.Text = std::move(v); return r; }
inline TFormValue TFormValue::Ident(std::string v) { TFormValue r; r.Kind = vkIdent; r.Text = std::move(v); return r; }
inline TFormValue TFormValue::Bytes(std::vector<uint8_t> v) { TFormValue r; r.Kind = vkBinary; r.Binary = std::move(v); return r; }

struct TFormObject {
  std::string Name;  // empty for an unnamed component ("object TClass")
  std::string ClassName;
  std::vector<TFormProp> Props;
  std::vector<TFormObject> Children;
  int Line = 0;
};

// Parses one "object Name: TClass ... end" block (objects and values nested
// at most MaxFormDepth levels); raises EParserError naming the line on
// anything else. Strings are UTF-8: #nn codes are Unicode code points.
inline constexpr int MaxFormDepth = 64;
TFormObject ParseFormText(std::string_view text);
// Prints the tree in the same format, two blanks of indentation per level.
// Parsing the result gives the same tree back, whatever bytes strings hold.
std::string FormToText(const TFormObject& object);

}  // namespace pelorin

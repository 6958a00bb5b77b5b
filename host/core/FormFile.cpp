// Parser and printer of the text form-file format.
#include "host/core/FormFile.h"

#include <cstdint>

#include "host/core/StringList.h"

namespace pelorin {

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class TFormParser {
public:
  explicit TFormParser(std::string_view text) : t_(text) {}

  TFormObject ParseRoot() {
    TFormObject root = ParseObject(0);
    SkipBlanks();
    if (p_ < t_.size()) Fail("text after the last end");
    return root;
  }

private:
  [[noreturn]] void Fail(const std::string& what) const {
    int line = 1;
    for (size_t i = 0; i < p_ && i < t_.size(); ++i) line += t_[i] == '\n';
    throw EParserError("Form file line " + std::to_string(line) + ": " + what);
  }
  void SkipBlanks() {
    while (p_ < t_.size() && static_cast<unsigned char>(t_[p_]) <= 32) ++p_;
  }
  char Peek() {
    SkipBlanks();
    return p_ < t_.size() ? t_[p_] : '\0';
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++p_;
  }
  std::string Ident() {
    if (!IsIdentStart(Peek())) Fail("identifier expected");
    size_t start = p_;
    while (p_ < t_.size() && IsIdentChar(t_[p_])) ++p_;
    return std::string(t_.substr(start, p_ - start));
  }
  bool PeekWord(std::string_view word) {
    if (!IsIdentStart(Peek())) return false;
    size_t end = p_;
    while (end < t_.size() && IsIdentChar(t_[end])) ++end;
    return SameTextAscii(t_.substr(p_, end - p_), word);
  }

  TFormObject ParseObject(int depth) {
    if (depth >= MaxFormDepth) Fail("objects nested too deeply");
    if (!PeekWord("object") && !PeekWord("inherited")) Fail("'object' expected");
    Ident();
    TFormObject o;
    o.Name = Ident();
    Expect(':');
    o.ClassName = Ident();
    while (!PeekWord("end")) {
      if (PeekWord("object") || PeekWord("inherited"))
        o.Children.push_back(ParseObject(depth + 1));
      else
        o.Props.push_back(ParseProp(depth));
    }
    Ident();
    return o;
  }

  TFormProp ParseProp(int depth) {
    TFormProp prop;
    prop.Name = Ident();
    Expect('=');
    prop.Value = ParseValue(depth);
    return prop;
  }

  TFormValue ParseValue(int depth) {
    if (depth >= MaxFormDepth) Fail("values nested too deeply");
    char c = Peek();
    if (c == '-' || c == '+' || IsDigit(c) || c == '$') return ParseNumber();
    if (c == '\'' || c == '#') return ParseString();
    if (IsIdentStart(c)) return TFormValue::Ident(Ident());
    TFormValue v;
    if (c == '[') {
      ++p_;
      v.Kind = TFormValue::vkSet;
      while (Peek() != ']') {
        if (!v.Set.empty()) Expect(',');
        v.Set.push_back(Ident());
      }
      ++p_;
    } else if (c == '<') {
      ++p_;
      v.Kind = TFormValue::vkCollection;
      while (Peek() != '>') {
        if (!PeekWord("item")) Fail("'item' expected");
        Ident();
        std::vector<TFormProp> props;
        while (!PeekWord("end")) props.push_back(ParseProp(depth + 1));
        Ident();
        v.Items.push_back(std::move(props));
      }
      ++p_;
    } else if (c == '{') {
      ++p_;
      v.Kind = TFormValue::vkBinary;
      int high = -1;
      while (Peek() != '}') {
        if (p_ >= t_.size()) Fail("'}' expected");
        int d = HexDigit(t_[p_]);
        if (d < 0) Fail("hexadecimal digit expected");
        ++p_;
        if (high < 0) {
          high = d;
        } else {
          v.Binary.push_back(static_cast<uint8_t>(high << 4 | d));
          high = -1;
        }
      }
      if (high >= 0) Fail("odd number of hexadecimal digits");
      ++p_;
    } else if (c == '(') {
      ++p_;
      v.Kind = TFormValue::vkList;
      while (Peek() != ')') v.List.push_back(ParseValue(depth + 1));
      ++p_;
    } else {
      Fail("value expected");
    }
    return v;
  }

  TFormValue ParseNumber() {
    bool negative = false;
    if (t_[p_] == '-' || t_[p_] == '+') negative = t_[p_++] == '-';
    int64_t v = 0;
    int digits = 0;
    if (p_ < t_.size() && t_[p_] == '$') {
      ++p_;
      for (int d; p_ < t_.size() && (d = HexDigit(t_[p_])) >= 0; ++p_, ++digits) {
        if (digits >= 16) Fail("number too large");
        v = static_cast<int64_t>(static_cast<uint64_t>(v) << 4 | static_cast<uint64_t>(d));
      }
    } else {
      for (; p_ < t_.size() && IsDigit(t_[p_]); ++p_, ++digits) {
        if (v > (INT64_MAX - 9) / 10) Fail("number too large");
        v = v * 10 + (t_[p_] - '0');
      }
    }
    if (digits == 0) Fail("number expected");
    if (p_ < t_.size() && (IsIdentChar(t_[p_]) || t_[p_] == '.')) Fail("invalid number");
    return TFormValue::Int(negative ? -v : v);
  }

  // Quoted runs ('' is a quote) and #nn character codes, joined by '+'.
  TFormValue ParseString() {
    std::string s;
    while (true) {
      char c = Peek();
      if (c == '\'') {
        ++p_;
        while (true) {
          if (p_ >= t_.size() || t_[p_] == '\n' || t_[p_] == '\r') Fail("unterminated string");
          if (t_[p_] == '\'') {
            if (p_ + 1 < t_.size() && t_[p_ + 1] == '\'') {
              s += '\'';
              p_ += 2;
              continue;
            }
            ++p_;
            break;
          }
          s += t_[p_++];
        }
      } else if (c == '#') {
        ++p_;
        int code = 0, digits = 0;
        for (; p_ < t_.size() && IsDigit(t_[p_]); ++p_, ++digits) {
          code = code * 10 + (t_[p_] - '0');
          if (code > 255) Fail("character code out of range");
        }
        if (digits == 0) Fail("character code expected");
        s += static_cast<char>(code);
      } else if (c == '+') {
        ++p_;
        if (Peek() != '\'' && Peek() != '#') Fail("string expected after '+'");
      } else {
        break;
      }
    }
    return TFormValue::Str(std::move(s));
  }

  std::string_view t_;
  size_t p_ = 0;
};

void PrintString(const std::string& s, std::string& out) {
  if (s.empty()) {
    out += "''";
    return;
  }
  bool quoted = false;
  for (unsigned char c : s) {
    if (c >= 32 && c < 127) {
      if (!quoted) out += '\'';
      quoted = true;
      out += static_cast<char>(c);
      if (c == '\'') out += '\'';
    } else {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + std::to_string(c);
    }
  }
  if (quoted) out += '\'';
}

void PrintValue(const TFormValue& v, const std::string& indent, std::string& out);

void PrintProps(const std::vector<TFormProp>& props, const std::string& indent, std::string& out) {
  for (const TFormProp& p : props) {
    out += indent + p.Name + " = ";
    PrintValue(p.Value, indent, out);
    out += "\n";
  }
}

void PrintValue(const TFormValue& v, const std::string& indent, std::string& out) {
  static const char* const hex = "0123456789ABCDEF";
  switch (v.Kind) {
    case TFormValue::vkInteger: out += std::to_string(v.Integer); break;
    case TFormValue::vkString: PrintString(v.Text, out); break;
    case TFormValue::vkIdent: out += v.Text; break;
    case TFormValue::vkSet:
      out += '[';
      for (size_t i = 0; i < v.Set.size(); ++i) out += (i ? ", " : "") + v.Set[i];
      out += ']';
      break;
    case TFormValue::vkCollection:
      out += '<';
      for (const auto& item : v.Items) {
        out += "\n" + indent + "  item\n";
        PrintProps(item, indent + "    ", out);
        out += indent + "  end";
      }
      out += '>';
      break;
    case TFormValue::vkBinary:
      out += '{';
      for (size_t i = 0; i < v.Binary.size(); ++i) {
        if (i % 32 == 0) out += "\n" + indent + "  ";
        out += hex[v.Binary[i] >> 4];
        out += hex[v.Binary[i] & 15];
      }
      out += '}';
      break;
    case TFormValue::vkList:
      out += '(';
      for (size_t i = 0; i < v.List.size(); ++i) {
        out += "\n" + indent + "  ";
        PrintValue(v.List[i], indent + "  ", out);
      }
      out += ')';
      break;
  }
}

void PrintObject(const TFormObject& o, const std::string& indent, std::string& out) {
  out += indent + "object " + o.Name + ": " + o.ClassName + "\n";
  PrintProps(o.Props, indent + "  ", out);
  for (const TFormObject& child : o.Children) PrintObject(child, indent + "  ", out);
  out += indent + "end\n";
}

}  // namespace

TFormObject ParseFormText(std::string_view text) { return TFormParser(text).ParseRoot(); }

std::string FormToText(const TFormObject& object) {
  std::string out;
  PrintObject(object, "", out);
  return out;
}

}  // namespace pelorin

// Parser and printer of the text form-file format.
#include "host/core/FormFile.h"

#include <cstdint>

#include "host/core/StringList.h"

namespace pelorin {

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= 32; }
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendUtf8(uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one well-formed UTF-8 sequence (shortest form, no surrogates) at
// s[i]; returns its length, or 0 when the bytes there are not one.
size_t DecodeUtf8(const std::string& s, size_t i, uint32_t& cp) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char lead = b(0);
  size_t len;
  uint32_t min;
  if (lead >= 0xC2 && lead <= 0xDF) len = 2, cp = lead & 0x1Fu, min = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) len = 3, cp = lead & 0x0Fu, min = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) len = 4, cp = lead & 0x07u, min = 0x10000;
  else return 0;
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (b(k) & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

class TFormParser {
public:
  explicit TFormParser(std::string_view text) : t_(text) {}

  TFormObject ParseRoot() {
    // A UTF-8 byte order mark from an editor is not part of the form.
    if (t_.substr(0, 3) == "\xEF\xBB\xBF") p_ = 3;
    TFormObject root = ParseObject(0);
    SkipBlanks();
    // Resources may be padded with NULs after the text.
    while (p_ < t_.size() && (t_[p_] == '\0' || IsBlank(t_[p_]))) ++p_;
    if (p_ < t_.size()) Fail("Text after the end of the form");
    return root;
  }

private:
  int Line() {
    for (; scanned_ < p_ && scanned_ < t_.size(); ++scanned_) line_ += t_[scanned_] == '\n';
    return line_;
  }
  [[noreturn]] void Fail(const std::string& what) { throw EParserError(what + " on line " + std::to_string(Line())); }
  void SkipBlanks() {
    while (p_ < t_.size() && IsBlank(t_[p_])) ++p_;
  }
  char Peek() {
    SkipBlanks();
    return p_ < t_.size() ? t_[p_] : '\0';
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++p_;
  }
  // An identifier; with dotted, also "Font.Name".
  std::string Ident(bool dotted = false) {
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    const size_t start = p_;
    while (true) {
      while (p_ < t_.size() && IsIdentChar(t_[p_])) ++p_;
      if (!dotted || p_ + 1 >= t_.size() || t_[p_] != '.' || !IsIdentStart(t_[p_ + 1])) break;
      ++p_;
    }
    if (p_ < t_.size() && t_[p_] == '.') Fail("Invalid identifier");
    return std::string(t_.substr(start, p_ - start));
  }
  bool PeekWord(std::string_view word) {
    if (!IsIdentStart(Peek())) return false;
    size_t end = p_;
    while (end < t_.size() && IsIdentChar(t_[end])) ++end;
    return end - p_ == word.size() && SameTextAscii(t_.substr(p_, end - p_), word);
  }

  TFormObject ParseObject(int depth) {
    if (depth >= MaxFormDepth) Fail("Objects nested too deeply");
    if (PeekWord("inherited") || PeekWord("inline")) Fail("Inherited and inline objects are not supported");
    if (!PeekWord("object")) Fail("'object' expected");
    TFormObject o;
    o.Line = Line();
    Ident();
    std::string first = Ident();
    if (Peek() == ':') {
      ++p_;
      o.Name = std::move(first);
      o.ClassName = Ident();
    } else {
      o.ClassName = std::move(first);
    }
    while (!PeekWord("end")) {
      if (PeekWord("object") || PeekWord("inherited") || PeekWord("inline"))
        o.Children.push_back(ParseObject(depth + 1));
      else
        o.Props.push_back(ParseProp(depth));
    }
    Ident();
    return o;
  }

  TFormProp ParseProp(int depth) {
    TFormProp prop;
    if (!IsIdentStart(Peek())) Fail("Property name expected");
    prop.Line = Line();
    prop.Name = Ident(true);
    Expect('=');
    prop.Value = ParseValue(depth);
    return prop;
  }

  TFormValue ParseValue(int depth) {
    if (depth >= MaxFormDepth) Fail("Values nested too deeply");
    const char c = Peek();
    if (c == '-' || c == '+' || IsDigit(c) || c == '$') return ParseNumber();
    if (c == '\'' || c == '#') return ParseString();
    if (IsIdentStart(c)) return TFormValue::Ident(Ident(true));
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
        const int d = HexDigit(t_[p_]);
        if (d < 0) Fail("Hexadecimal digit expected");
        ++p_;
        if (high < 0) {
          high = d;
        } else {
          v.Binary.push_back(static_cast<uint8_t>(high << 4 | d));
          high = -1;
        }
      }
      if (high >= 0) Fail("Odd number of hexadecimal digits");
      ++p_;
    } else if (c == '(') {
      ++p_;
      v.Kind = TFormValue::vkList;
      while (Peek() != ')') {
        if (p_ >= t_.size()) Fail("')' expected");
        v.List.push_back(ParseValue(depth + 1));
      }
      ++p_;
    } else {
      Fail(p_ >= t_.size() ? "Unexpected end of the form" : "Invalid property value");
    }
    return v;
  }

  TFormValue ParseNumber() {
    bool negative = false;
    if (t_[p_] == '-' || t_[p_] == '+') negative = t_[p_++] == '-';
    uint64_t v = 0;
    int digits = 0;
    if (p_ < t_.size() && t_[p_] == '$') {
      ++p_;
      for (int d; p_ < t_.size() && (d = HexDigit(t_[p_])) >= 0; ++p_, ++digits) {
        if (v >> 59) Fail("Number too large");
        v = v << 4 | static_cast<uint64_t>(d);
      }
    } else {
      for (; p_ < t_.size() && IsDigit(t_[p_]); ++p_, ++digits) {
        if (v > (INT64_MAX - 9) / 10) Fail("Number too large");
        v = v * 10 + static_cast<uint64_t>(t_[p_] - '0');
      }
    }
    if (digits == 0) Fail("Number expected");
    if (v > static_cast<uint64_t>(INT64_MAX)) Fail("Number too large");
    if (p_ < t_.size() && (IsIdentChar(t_[p_]) || t_[p_] == '.')) Fail("Invalid number");
    const auto value = static_cast<int64_t>(v);
    return TFormValue::Int(negative ? -value : value);
  }

  // A character code after '#': decimal or $hex, a Unicode code point.
  uint32_t CharCode() {
    ++p_;
    uint32_t code = 0;
    int digits = 0;
    const bool hex = p_ < t_.size() && t_[p_] == '$';
    if (hex) ++p_;
    for (int d; p_ < t_.size() && (d = hex ? HexDigit(t_[p_]) : (IsDigit(t_[p_]) ? t_[p_] - '0' : -1)) >= 0;
         ++p_, ++digits) {
      code = code * (hex ? 16 : 10) + static_cast<uint32_t>(d);
      if (code > 0x10FFFF) Fail("Character code out of range");
    }
    if (digits == 0) Fail("Character code expected");
    return code;
  }

  // Quoted runs ('' is a quote) and #nn character codes touching each other;
  // across blanks only '+' joins (a list holds one string per line).
  TFormValue ParseString() {
    std::string s;
    uint32_t highSurrogate = 0;  // UTF-16 pairs written as two codes
    bool joined = true;          // at the start or after '+'
    while (true) {
      char c = joined ? Peek() : (p_ < t_.size() ? t_[p_] : '\0');
      joined = false;
      if (c != '\'' && c != '#') {
        c = Peek();
        if (c != '+') break;
      }
      if (highSurrogate && c != '#') Fail("Unpaired surrogate character code");
      if (c == '\'') {
        ++p_;
        while (true) {
          if (p_ >= t_.size() || t_[p_] == '\n' || t_[p_] == '\r') Fail("Unterminated string");
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
        const uint32_t cp = CharCode();
        if (cp >= 0xD800 && cp <= 0xDBFF && !highSurrogate) {
          highSurrogate = cp;
        } else if (highSurrogate) {
          if (cp < 0xDC00 || cp > 0xDFFF) Fail("Unpaired surrogate character code");
          AppendUtf8(0x10000 + ((highSurrogate - 0xD800) << 10) + (cp - 0xDC00), s);
          highSurrogate = 0;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
          Fail("Unpaired surrogate character code");
        } else {
          AppendUtf8(cp, s);
        }
      } else {  // '+'
        ++p_;
        joined = true;
        if (Peek() != '\'' && Peek() != '#') Fail("String expected after '+'");
      }
    }
    if (highSurrogate) Fail("Unpaired surrogate character code");
    return TFormValue::Str(std::move(s));
  }

  std::string_view t_;
  size_t p_ = 0;
  size_t scanned_ = 0;
  int line_ = 1;
};

// Printable ASCII goes in quotes, control characters and well-formed UTF-8
// as #codes, any other byte as it is (so every byte string reads back).
// Long strings are split over lines joined by '+'.
void PrintString(const std::string& s, const std::string& indent, std::string& out) {
  if (s.empty()) {
    out += "''";
    return;
  }
  constexpr size_t MaxRun = 64, MaxLine = 72;
  std::vector<std::string> tokens;
  std::string run;
  const auto flush = [&] {
    if (!run.empty()) tokens.push_back("'" + run + "'");
    run.clear();
  };
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    uint32_t cp = 0;
    size_t len = 0;
    if (c < 32 || c == 127 || (c >= 128 && (len = DecodeUtf8(s, i, cp)) != 0)) {
      flush();
      tokens.push_back("#" + std::to_string(len ? cp : c));
      i += len ? len : 1;
      continue;
    }
    run += static_cast<char>(c);
    if (c == '\'') run += '\'';
    if (run.size() >= MaxRun) flush();
    ++i;
  }
  flush();
  size_t lineLen = 0;
  bool prevQuoted = false;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const bool quoted = tokens[i][0] == '\'';
    // Two quoted runs side by side would read as one with a quote inside.
    if (i > 0 && (lineLen + tokens[i].size() > MaxLine || (prevQuoted && quoted))) {
      out += " +\n" + indent + "  ";
      lineLen = 0;
    }
    out += tokens[i];
    lineLen += tokens[i].size();
    prevQuoted = quoted;
  }
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
    case TFormValue::vkString: PrintString(v.Text, indent, out); break;
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
      for (const TFormValue& item : v.List) {
        out += "\n" + indent + "  ";
        PrintValue(item, indent + "  ", out);
      }
      out += ')';
      break;
  }
}

void PrintObject(const TFormObject& o, const std::string& indent, std::string& out) {
  out += indent + "object " + (o.Name.empty() ? "" : o.Name + ": ") + o.ClassName + "\n";
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

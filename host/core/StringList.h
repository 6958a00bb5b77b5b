// TStringList: an ordered list of 8-bit strings with the framework's text
// assignment rules and optional case-insensitive sorting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

class TStringList {
public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Index checks raise EListError.
  const std::string& operator[](int index) const;
  std::string& operator[](int index);
  const std::string& Strings(int index) const { return (*this)[index]; }

  int Add(std::string s);
  void Insert(int index, std::string s);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // First index whose string equals s (case-insensitive, ASCII), or -1.
  int IndexOf(std::string_view s) const;

  // Text assignment: a line ends at CR, LF or CR LF; a final break adds no
  // empty line; a NUL ends the text.
  void SetText(std::string_view text);
  // Lines joined with CR LF after each one.
  std::string GetText() const;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // Case-insensitive ASCII order, like the framework's default compare.
  void Sort();

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

private:
  void CheckIndex(int index) const;
  std::vector<std::string> items_;
  bool sorted_ = false;
};

// ASCII-only case helpers shared by everything that compares names.
std::string AnsiLowerAscii(std::string_view s);
std::string AnsiUpperAscii(std::string_view s);
int CompareTextAscii(std::string_view a, std::string_view b);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace pelorin

// TStringList and the ASCII case helpers.
#include "host/core/StringList.h"

#include <algorithm>
#include <cstdio>

#include "host/core/Exceptions.h"

namespace pelorin {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
}  // namespace

std::string AnsiLowerAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = LowerAscii(c);
  return r;
}

std::string AnsiUpperAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = UpperAscii(c);
  return r;
}

int CompareTextAscii(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameTextAscii(std::string_view a, std::string_view b) { return CompareTextAscii(a, b) == 0; }

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    char msg[64];
    std::snprintf(msg, sizeof msg, SListIndexError, index);
    throw EListError(msg);
  }
}

const std::string& TStringList::operator[](int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

std::string& TStringList::operator[](int index) {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

int TStringList::Add(std::string s) {
  if (sorted_) {
    auto it = std::upper_bound(items_.begin(), items_.end(), s,
                               [](const std::string& a, const std::string& b) { return CompareTextAscii(a, b) < 0; });
    return static_cast<int>(items_.insert(it, std::move(s)) - items_.begin());
  }
  items_.push_back(std::move(s));
  return Count() - 1;
}

void TStringList::Insert(int index, std::string s) {
  if (index != Count()) CheckIndex(index);
  items_.insert(items_.begin() + index, std::move(s));
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameTextAscii(items_[static_cast<size_t>(i)], s)) return i;
  return -1;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  size_t i = 0;
  while (i < text.size()) {
    size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    items_.emplace_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  if (sorted_) Sort();
}

std::string TStringList::GetText() const {
  std::string r;
  for (const auto& s : items_) {
    r += s;
    r += "\r\n";
  }
  return r;
}

void TStringList::SetSorted(bool value) {
  sorted_ = value;
  if (sorted_) Sort();
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const std::string& a, const std::string& b) { return CompareTextAscii(a, b) < 0; });
}

}  // namespace pelorin

#include "pelorin/Skin.h"

namespace pelorin {

TSkinSource TSkinSource::File(std::string utf8Path) {
  TSkinSource s;
  s.kind_ = TKind::File;
  s.path_ = std::move(utf8Path);
  return s;
}

TSkinSource TSkinSource::Memory(const void* bytes, std::size_t size) {
  TSkinSource s;
  s.kind_ = TKind::Memory;
  if (bytes && size > 0) {
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    s.bytes_.assign(first, first + size);
  }
  return s;
}

TSkinSource TSkinSource::Resource(void* module, int id, int typeId) {
  TSkinSource s;
  s.kind_ = TKind::Resource;
  s.module_ = module;
  s.id_ = id;
  s.typeId_ = typeId;
  return s;
}

TSkinSource TSkinSource::Resource(void* module, std::wstring name, std::wstring type) {
  TSkinSource s;
  s.kind_ = TKind::Resource;
  s.module_ = module;
  s.name_ = std::move(name);
  s.type_ = std::move(type);
  return s;
}

std::string TSkinSource::Describe() const {
  switch (kind_) {
    case TKind::File: return path_;
    case TKind::Memory: return "memory (" + std::to_string(bytes_.size()) + " bytes)";
    case TKind::Resource: {
      if (name_.empty()) return "resource " + std::to_string(id_);
      std::string ascii;  // names are ASCII in practice; others show as '?'
      for (wchar_t c : name_) ascii += c > 0 && c < 128 ? char(c) : '?';
      return "resource " + ascii;
    }
  }
  return {};
}

}  // namespace pelorin

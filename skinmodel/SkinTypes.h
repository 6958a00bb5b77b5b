// Published enumerations, sets and events of the skin data component.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace pelorin {

class TObject;

// Control families a skin data may skin (ordinals 0..16 as stored in forms).
enum TSkinControlType : int {
  xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox,
  xcStatusBar, xcTab,
};
inline constexpr int SkinControlTypeCount = xcTab + 1;
const char* SkinControlTypeName(TSkinControlType type);

// A set of control families, stored as 4 bytes (bit n = ordinal n).
class TSkinControlTypes {
public:
  constexpr TSkinControlTypes() = default;
  static constexpr TSkinControlTypes FromBits(uint32_t bits) { return TSkinControlTypes(bits & AllBits); }
  static constexpr TSkinControlTypes All() { return TSkinControlTypes(AllBits); }

  constexpr bool Contains(TSkinControlType t) const { return (bits_ >> t) & 1u; }
  constexpr void Include(TSkinControlType t) { bits_ |= 1u << t; }
  constexpr void Exclude(TSkinControlType t) { bits_ &= ~(1u << t); }
  constexpr uint32_t Bits() const { return bits_; }
  friend constexpr bool operator==(TSkinControlTypes, TSkinControlTypes) = default;

private:
  static constexpr uint32_t AllBits = (1u << SkinControlTypeCount) - 1;
  constexpr explicit TSkinControlTypes(uint32_t bits) : bits_(bits) {}
  uint32_t bits_ = 0;
};

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog };
const char* SkinFormTypeName(TSkinFormType type);

using TNotifyEvent = std::function<void(TObject* sender)>;
// Asked before a window of class aName is skinned; clear doSkin to refuse.
using TOnFormSkin = std::function<void(TObject* sender, std::string aName, bool& doSkin)>;

}  // namespace pelorin

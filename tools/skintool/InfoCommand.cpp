// skintool info: the parsed model of a skin - every element with its image
// size, frame count, margins, flags and colours, the title-bar buttons and the
// colour table - as text or as stable JSON for other tools.
#include <cstdio>
#include <string>

#include "host/core/MessageBox.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinRules.h"
#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

namespace {

constexpr int InfoFormatVersion = 1;

std::string Hex(TColor c) {
  const TColor rgb = ColorToRGB(c);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RValue(rgb), GValue(rgb), BValue(rgb));
  return text;
}

// JSON string literal; bytes above 127 are taken as Latin-1 so any name stays valid JSON.
std::string Quote(const std::string& s) {
  std::string r = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      r += '\\';
      r += static_cast<char>(c);
    } else if (c < 0x20 || c > 0x7E) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      r += esc;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r + "\"";
}

std::string Size(const TBitmap& b) { return "[" + std::to_string(b.Width()) + ", " + std::to_string(b.Height()) + "]"; }
std::string Margins(const TRect& m) {
  return "[" + std::to_string(m.Left) + ", " + std::to_string(m.Top) + ", " + std::to_string(m.Right) + ", " +
         std::to_string(m.Bottom) + "]";
}

// One element: the record's own fields, then the extra fields of its class.
struct TElement {
  std::string member;
  const TDataSkinObject* record;
};

std::vector<TElement> Elements(const TSkinModel& m) {
  std::vector<TElement> list;
  for (int i = bdLeft; i <= bdBottom; ++i) list.push_back({"Borders[" + std::to_string(i) + "]", m.Borders[i]});
  list.push_back({"Title", m.Title.get()});
  list.push_back({"Buttons", m.Buttons.get()});
  for (const auto& r : m.OptionalRecords()) list.push_back({r.Member, r.Record});
  return list;
}

std::string ElementJson(const TElement& e) {
  const TDataSkinObject* r = e.record;
  std::string j = "{\"member\": " + Quote(e.member) + ", \"present\": " + (r ? "true" : "false");
  if (!r) return j + "}";
  j += ", \"name\": " + Quote(r->Name) + ", \"image\": " + Size(r->Bitmap) +
       ", \"frameCount\": " + std::to_string(r->FrameCount) +
       ", \"frameWidth\": " + std::to_string(SafeFrameWidth(r->Bitmap.Width(), r->FrameCount)) +
       ", \"margins\": " + Margins(r->Margins) + ", \"trans\": " + std::to_string(r->Trans) +
       ", \"tile\": " + std::to_string(r->Tile) + ", \"colours\": {\"normal\": " + Quote(Hex(r->NormalColour)) +
       ", \"mouseOver\": " + Quote(Hex(r->MouseOverColour)) + ", \"pressed\": " + Quote(Hex(r->PressedColour)) + "}";
  if (const auto* b = dynamic_cast<const TDataSkinButton*>(r))
    j += ", \"checkImage\": " + Size(b->CheckBitmap) + ", \"checkFrameCount\": " + std::to_string(b->CheckFrameCount) +
         ", \"radioImage\": " + Size(b->RadioBitmap) + ", \"radioFrameCount\": " + std::to_string(b->RadioFrameCount);
  if (const auto* b = dynamic_cast<const TDataSkinBorder*>(r)) j += ", \"image2\": " + Size(b->Bitmap2);
  if (const auto* t = dynamic_cast<const TDataSkinTitle*>(r))
    j += ", \"textAlignment\": " + std::to_string(t->TextAlignment) + ", \"textBackLeft\": " +
         std::to_string(t->TextBackLeft) + ", \"textBackRight\": " + std::to_string(t->TextBackRight);
  return j + "}";
}

std::string SysButtonJson(const TDataSkinSysButton& b) {
  return "{\"name\": " + Quote(b.Name) + ", \"action\": " + std::to_string(b.Action) +
         ", \"align\": " + std::to_string(b.Align) + ", \"x\": " + std::to_string(b.XCoord) +
         ", \"y\": " + std::to_string(b.YCoord) + ", \"visibility\": " + std::to_string(b.Visibility) +
         ", \"visibility1\": " + std::to_string(b.Visibility1) + ", \"image\": " + Size(b.Bitmap) +
         ", \"frameCount\": " + std::to_string(b.FrameCount) + "}";
}

void PrintJson(const TSkinModel& m, const std::string& file, const std::string& description, std::ostream& out) {
  out << "{\n  \"format\": \"pelorin-skin-info\",\n  \"version\": " << InfoFormatVersion << ",\n";
  out << "  \"file\": " << Quote(file) << ",\n  \"description\": " << Quote(description) << ",\n";
  out << "  \"colors\": {";
  for (int i = 0; i < SkinColorCount; ++i) {
    const TColor c = m.colors[i];
    out << (i ? ",\n" : "\n") << "    " << Quote(SkinColorName(TSkinColor(i))) << ": {\"rgb\": " << Quote(Hex(c))
        << ", \"system\": " << (IsSysColor(c) ? "true" : "false") << "}";
  }
  out << "\n  },\n  \"elements\": [";
  const auto elements = Elements(m);
  for (size_t i = 0; i < elements.size(); ++i) out << (i ? ",\n" : "\n") << "    " << ElementJson(elements[i]);
  out << "\n  ],\n  \"titleButtons\": [";
  for (size_t i = 0; i < m.SysButtons.size(); ++i) out << (i ? ",\n" : "\n") << "    " << SysButtonJson(*m.SysButtons[i]);
  out << "\n  ]\n}\n";
}

void PrintText(const TSkinModel& m, const std::string& file, const std::string& description, std::ostream& out) {
  out << "skin " << file << " (description " << description << ")\n\nelements:\n";
  for (const TElement& e : Elements(m)) {
    const TDataSkinObject* r = e.record;
    if (!r) {
      out << "  " << e.member << ": absent\n";
      continue;
    }
    out << "  " << e.member << " \"" << r->Name << "\": image " << r->Bitmap.Width() << "x" << r->Bitmap.Height()
        << ", " << r->FrameCount << " frames, margins " << Margins(r->Margins) << ", trans " << r->Trans << ", tile "
        << r->Tile << ", colours " << Hex(r->NormalColour) << " " << Hex(r->MouseOverColour) << " "
        << Hex(r->PressedColour) << "\n";
  }
  out << "\ntitle-bar buttons:\n";
  for (const auto& b : m.SysButtons)
    out << "  " << (b->Name.empty() ? "(mdi)" : b->Name) << ": action " << b->Action << ", align " << b->Align
        << ", at " << b->XCoord << "," << b->YCoord << ", visibility " << b->Visibility << "/" << b->Visibility1
        << ", image " << b->Bitmap.Width() << "x" << b->Bitmap.Height() << ", " << b->FrameCount << " frames\n";
  out << "\ncolours:\n";
  for (int i = 0; i < SkinColorCount; ++i)
    out << "  " << SkinColorName(TSkinColor(i)) << " " << Hex(m.colors[i]) << (IsSysColor(m.colors[i]) ? " (system)" : "")
        << "\n";
}

}  // namespace

void RunInfo(const std::vector<std::string>& args, std::ostream& out) {
  bool json = false;
  std::vector<std::string> rest;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else
      rest.push_back(a);
  }
  const TInOut io = ParseInOut(rest, false);

  TMemoryStream packed;
  packed.LoadFromFile(io.input);
  std::string refusal;
  TMessageBoxFunc saved = SetMessageBoxFunc([&refusal](const std::string& text, const std::string&, int) {
    refusal = text;
    return idOK;
  });
  TSkinModel model;
  std::string description;
  bool loaded = false;
  try {
    loaded = model.LoadSkinArchive(packed, &description);
  } catch (...) {
    SetMessageBoxFunc(std::move(saved));
    throw;
  }
  SetMessageBoxFunc(std::move(saved));
  if (!loaded) {
    for (char& c : refusal)
      if (c == '\r' || c == '\n') c = ' ';
    throw EToolError(io.input + ": " + (refusal.empty() ? std::string("damaged skin archive") : refusal));
  }
  if (json)
    PrintJson(model, io.input, description, out);
  else
    PrintText(model, io.input, description, out);
}

}  // namespace pelorin::skintool

// Standard dialogs (open file, font, colour, print) and the framework's
// message dialogs, which go through the one replaceable message-box function.
#pragma once

#include <string>

#include "host/core/MessageBox.h"
#include "host/win/Graphics.h"
#include "host/core/Component.h"

namespace pelorin {

class TCommonDialog : public TComponent {
public:
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TCommonDialog"; }
  // Runs the dialog modally; true when the user confirmed it.
  virtual bool Execute() = 0;

protected:
  static HWND OwnerWindow();
};

class TOpenDialog : public TCommonDialog {
public:
  explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}
  std::string ClassName() const override { return "TOpenDialog"; }
  // "Description|pattern|Description|pattern"
  std::string Filter;
  std::string InitialDir;
  std::string FileName;
  std::string Title;
  std::string DefaultExt;
  bool Execute() override;
};

// The filter text in the system's form: pairs separated by NULs, ending with
// two NULs. A description without a pattern gets an empty pattern.
std::wstring FilterToSystem(const std::string& filter);

class TFontDialog : public TCommonDialog {
public:
  explicit TFontDialog(TComponent* owner) : TCommonDialog(owner) {}
  std::string ClassName() const override { return "TFontDialog"; }
  TFont& Font() { return font_; }
  bool Execute() override;

private:
  TFont font_;
};

class TColorDialog : public TCommonDialog {
public:
  explicit TColorDialog(TComponent* owner) : TCommonDialog(owner) {}
  std::string ClassName() const override { return "TColorDialog"; }
  TColor Color = clBlack;
  bool Execute() override;

private:
  COLORREF custom_[16]{};
};

class TPrintDialog : public TCommonDialog {
public:
  explicit TPrintDialog(TComponent* owner) : TCommonDialog(owner) {}
  std::string ClassName() const override { return "TPrintDialog"; }
  int Copies = 1;
  bool Execute() override;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Shows msg with the type's caption and icon; buttons are mbOK, mbOKCancel or
// mbYesNo. Returns mrOk, mrCancel, mrYes or mrNo (the message-box result).
int MessageDlg(const std::string& msg, TMsgDlgType type, int buttons);
// An information-less message box captioned with the application title.
void ShowMessage(const std::string& msg);

}  // namespace pelorin

object Form1: TForm1
  Left = 218
  Top = 125
  Width = 479
  Height = 359
  Caption = 'Pelorin'
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Menu = MainMenu1
  ShowHint = True
  OnCreate = FormCreate
  object PageControl1: TPageControl
    Left = 24
    Top = 8
    Width = 417
    Height = 217
    ActivePage = TabSheet1
    MultiLine = True
    object TabSheet1: TTabSheet
      Caption = 'Control'
      object Label1: TLabel
        Left = 16
        Top = 12
        Width = 140
        Height = 13
        Caption = 'Press "Up/Down" Change Skin '
      end
      object ComboBox1: TComboBox
        Left = 16
        Top = 32
        Width = 145
        Height = 21
        Text = 'Change Skins'
        OnClick = ComboBox1Click
      end
      object CheckBox1: TCheckBox
        Left = 16
        Top = 64
        Width = 97
        Height = 17
        Caption = 'CheckBox1'
        Checked = True
        Hint = 'checkbox1'
      end
      object CheckBox2: TCheckBox
        Left = 16
        Top = 88
        Width = 97
        Height = 17
        Caption = 'CheckBox2'
        Alignment = taLeftJustify
        Hint = 'checkbox2'
      end
      object RadioButton1: TRadioButton
        Left = 128
        Top = 64
        Width = 105
        Height = 17
        Caption = 'RadioButton1'
        Checked = True
        Hint = 'radiobutton1'
      end
      object RadioButton2: TRadioButton
        Left = 128
        Top = 88
        Width = 105
        Height = 17
        Caption = 'RadioButton2'
        Alignment = taLeftJustify
        Hint = 'radiobutton2'
      end
      object Edit1: TEdit
        Left = 16
        Top = 120
        Width = 217
        Height = 21
        Text = 'Edit1'
      end
      object LoadBtn: TButton
        Left = 264
        Top = 8
        Width = 129
        Height = 25
        Caption = 'Load Skin'
        OnClick = LoadBtnClick
      end
      object Button4: TButton
        Left = 264
        Top = 40
        Width = 129
        Height = 25
        Caption = 'UnSkin'
        Default = True
        OnClick = Button2Click
      end
      object ExceptionBtn: TButton
        Left = 264
        Top = 72
        Width = 129
        Height = 25
        Caption = 'Exception'
        OnClick = ExceptionBtnClick
      end
      object MessageBtn: TButton
        Left = 264
        Top = 104
        Width = 129
        Height = 25
        Caption = 'MessageBox'
        OnClick = MessageBtnClick
      end
      object BitBtn1: TBitBtn
        Left = 264
        Top = 136
        Width = 129
        Height = 25
        Kind = bkClose
      end
      object SpeedButton1: TSpeedButton
        Left = 16
        Top = 152
        Width = 97
        Height = 25
        Caption = 'SpeedBtn'
        OnClick = SpeedButton1Click
        Glyph.Data = {
        424D360300000000000036000000280000001000000010000000010018000000
        00000003000000000000000000000000000000000000C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0008000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0008000008000C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0008000008000008000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C000
        8000008000008000008000008000008000008000008000008000008000C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00080000080000080000080000080000080
        00008000008000008000008000008000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C000
        8000008000008000008000008000008000008000008000008000008000008000
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00080000080000080000080000080000080
        00008000008000008000008000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0008000008000008000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0008000008000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0008000C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0}
      end
      object Button1: TButton
        Left = 136
        Top = 152
        Width = 97
        Height = 25
        Caption = 'Multi Skins'
        OnClick = Button1Click
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'TMemo'
      object RichEdit1: TRichEdit
        Left = 0
        Top = 0
        Width = 409
        Height = 189
        Align = alClient
        ReadOnly = True
        ScrollBars = ssBoth
        WordWrap = False
        Lines.Strings = (
          '// Switches the main skin to the file picked in the combo box.'
          'void TForm1::ComboBox1Click(TObject*) {'
          '  sd1->SetSkinFile(SkinsFolder() + ComboBox1->Text());'
          '  StringGrid1->SetFixedColor(sd1->colors[csButtonFace]);'
          '  if (!sd1->Active()) sd1->SetActive(true);'
          '}'
          ''
          '// Turns skinning off and on again.'
          'void TForm1::Button2Click(TObject*) {'
          '  sd1->SetActive(!sd1->Active());'
          '  Button4->SetCaption(sd1->Active() ? "Unskin" : "Skin");'
          '}'
          ''
          '// Takes one of the skins kept inside the application.'
          'void TForm1::Skin12Click(TObject* sender) {'
          '  auto* item = dynamic_cast<TMenuItem*>(sender);'
          '  if (item) sd1->LoadFromStore(*SkinStore1, item->Tag());'
          '}'
          ''
          '// Moves the progress bar while the timer runs.'
          'void TForm1::Timer1Timer(TObject*) {'
          '  int position = ProgressBar1->Position() + 1;'
          '  if (position > 99) position = 0;'
          '  ProgressBar1->SetPosition(position);'
          '}')
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'TListbox'
      object ListBox1: TListBox
        Left = 0
        Top = 0
        Width = 409
        Height = 189
        Align = alClient
        Items.Strings = (
          'A skin is a compressed archive of one description'
          'and the bitmaps that it names.'
          'Skins come from a file, from the bytes stored in'
          'the skin data component, or from a skin store.'
          'Every open window follows a skin switch at once.'
          'Message boxes and system dialogs take the dialog skin.'
          'The second form carries a skin of its own.'
          'Switch skinning off and on with the UnSkin button.'
          'The timer behind SpeedBtn moves the progress bar.'
          'Open the Grid page to see the skin files found.')
      end
    end
    object TabSheet4: TTabSheet
      Caption = 'Grid'
      object StringGrid1: TStringGrid
        Left = 0
        Top = 0
        Width = 409
        Height = 189
        Align = alClient
        DefaultRowHeight = 18
        FixedCols = 0
      end
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 267
    Width = 471
    Height = 19
    SizeGrip = False
    PanelTexts = (
      '1111|50'
      '22222|50'
      '33333|50')
  end
  object Panel1: TPanel
    Left = 0
    Top = 226
    Width = 471
    Height = 41
    Align = alBottom
    object ProgressBar1: TProgressBar
      Left = 24
      Top = 12
      Width = 417
      Height = 16
      Min = 0
      Max = 100
      Position = 50
    end
  end
  object MainMenu1: TMainMenu
    Images = ImageList1
    object Dialog5: TMenuItem
      Caption = '&Dialog'
      object OpenDialog1: TMenuItem
        Caption = 'Open Dialog'
        ImageIndex = 0
        OnClick = LoadBtnClick
      end
      object FontDialog1: TMenuItem
        Caption = 'Font Dialog'
        ImageIndex = 3
        OnClick = Skin21Click
      end
      object ColorDialog1: TMenuItem
        Caption = 'Color Dialog'
        ImageIndex = 7
        OnClick = Skin31Click
      end
      object PrintDialog1: TMenuItem
        Caption = 'Print Dialog'
        ImageIndex = 5
        OnClick = PrintDialog2Click
      end
    end
    object BuildinSkins1: TMenuItem
      Caption = 'Build in Skins'
      object Skin11: TMenuItem
        Caption = 'Skin1'
        OnClick = Skin12Click
      end
      object Skin22: TMenuItem
        Tag = 1
        Caption = 'Skin2'
        OnClick = Skin12Click
      end
      object Skin32: TMenuItem
        Tag = 2
        Caption = 'Skin3'
        OnClick = Skin12Click
      end
      object Skin41: TMenuItem
        Tag = 3
        Caption = 'Skin4'
        OnClick = Skin12Click
      end
      object Skin51: TMenuItem
        Tag = 4
        Caption = 'Skin5'
        OnClick = Skin12Click
      end
    end
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
      end
      object Save1: TMenuItem
        Caption = '&Save'
      end
      object Close1: TMenuItem
        Caption = '&Close'
        ImageIndex = 11
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = '&Exit'
        OnClick = Exit1Click
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object Content1: TMenuItem
        Caption = 'Content'
      end
      object Homepage1: TMenuItem
        Caption = 'Homepage'
        ImageIndex = 9
      end
      object About1: TMenuItem
        Caption = 'About'
        ImageIndex = 11
      end
    end
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
  object sd1: TSkinData
    Active = True
    DisableTag = 99
    SkinFormtype = sfMainform
  end
  object sd2: TSkinData
    Active = False
    DisableTag = 99
    SkinFormtype = sfDialog
  end
  object SkinStore1: TSkinStore
    Store = <
      item
        Name = 'SkinItem2'
      end
      item
        Name = 'SkinItem0'
      end
      item
        Name = 'SkinItem1'
      end
      item
        Name = 'SkinItem3'
      end
      item
        Name = 'SkinItem4'
      end>
  end
  object Dialog1: TOpenDialog
  end
  object Dialog2: TFontDialog
  end
  object Dialog3: TColorDialog
  end
  object Dialog4: TPrintDialog
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 50
    OnTimer = Timer1Timer
  end
end

object Form2: TForm2
  Left = 269
  Top = 159
  Width = 335
  Height = 247
  Caption = 'Form2'
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  OnCreate = FormCreate
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 327
    Height = 220
    Align = alClient
    Lines.Strings = (
      'Tskindata.SkinFormType=sfOnlyThisForm'
      ''
      'TSkinData is only used by this form.'
      '')
  end
  object sd3: TSkinData
    Active = False
    DisableTag = 99
    SkinFormtype = sfOnlyThisForm
  end
end

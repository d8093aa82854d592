' Drives GlavoSkin from a script, without a container: sets and reads
' every property, calls every method and prints one "name=value" line per
' check. Errors are printed as "name=error N" instead of stopping.
Option Explicit
On Error Resume Next

Dim skin, other, text, theme, file
Set skin = CreateObject("Glavowrap.GlavoSkin")
Report "create", Err.Number
Err.Clear

Sub Report(name, value)
  WScript.Echo name & "=" & CStr(value)
End Sub

Sub Check(name, value)
  If Err.Number <> 0 Then
    WScript.Echo name & "=error " & Err.Number
    Err.Clear
  Else
    Report name, value
  End If
End Sub

' Every property set and read back.
skin.BorderSize = 5 : Check "set BorderSize", skin.BorderSize
skin.TitleBarSize = 44 : Check "set TitleBarSize", skin.TitleBarSize
skin.Caption = "Script caption" : Check "set Caption", skin.Caption
skin.AllowResize = False : Check "set AllowResize", skin.AllowResize
skin.AllowFullScreen = True : Check "set AllowFullScreen", skin.AllowFullScreen
skin.ShowHelpButton = False : Check "set ShowHelpButton", skin.ShowHelpButton
skin.ShowMaximizeButton = False : Check "set ShowMaximizeButton", skin.ShowMaximizeButton
skin.ShowMinimizeButton = False : Check "set ShowMinimizeButton", skin.ShowMinimizeButton
skin.ShowIconButton = False : Check "set ShowIconButton", skin.ShowIconButton
skin.ShowCloseButton = False : Check "set ShowCloseButton", skin.ShowCloseButton
skin.Enabled = False : Check "set Enabled", skin.Enabled
skin.BackColor = &H00336699& : Check "set BackColor", skin.BackColor
skin.BackgroundShow = False : Check "set BackgroundShow", skin.BackgroundShow
skin.SkinThemeFile = "Mine.gwr" : Check "set SkinThemeFile", skin.SkinThemeFile
skin.ButtonSize = 33 : Check "set ButtonSize", skin.ButtonSize
skin.AllowSystemMenu = False : Check "set AllowSystemMenu", skin.AllowSystemMenu
skin.SkinState = 2 : Check "set SkinState", skin.SkinState
skin.SkinState = 0
Check "Font.Bold", skin.Font.Bold
Check "Font.Size", skin.Font.Size
Dim font
Set font = CreateObject("StdFont")
font.Size = 14
font.Italic = True
Set skin.Font = font
Check "set Font.Italic", skin.Font.Italic
Check "set Font.Size", skin.Font.Size
Check "same Font object", (skin.Font Is skin.Font)

' Built-in themes, theme strings and theme files.
skin.BodyTheme = 2 : Check "BodyTheme Graphite", skin.BodyTheme
theme = skin.SaveSkinTheme()
Check "theme fields", UBound(Split(theme, "#$#")) + 1
Set other = CreateObject("Glavowrap.GlavoSkin")
Check "other differs", (other.SaveSkinTheme() <> theme)
other.LoadSkinTheme "", theme
Check "string round trip", (other.SaveSkinTheme() = theme)
file = WScript.Arguments(0)
text = skin.SaveSkinTheme(file)
Check "save returns string", (text = theme)
Set other = CreateObject("Glavowrap.GlavoSkin")
other.LoadSkinTheme file
Check "file round trip", (other.SaveSkinTheme() = theme)
other.SkinThemeFile = file
other.BodyTheme = 8
other.SkinTheme = 2
Check "SkinTheme after load", other.SkinTheme
Check "action load", (other.SaveSkinTheme() = theme)
other.Refresh
Check "Refresh", "ok"

' Bad values are automation errors, not crashes.
skin.BorderSize = "wide"
Report "type mismatch", Err.Number
Err.Clear
skin.NoSuchMember = 1
Report "no such member", Err.Number
Err.Clear

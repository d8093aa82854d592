' Drives GlavoSkin from a script, without a container, and prints one
' "name=value" line per check. Errors are printed as "name=error N"
' instead of stopping.
Option Explicit
On Error Resume Next

Dim skin, other, theme
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

' Small numbers are Integers (VT_I2) in a script; the font is an object.
skin.BorderSize = 5 : Check "set BorderSize", skin.BorderSize
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

' A method's optional arguments, and one without any.
skin.BodyTheme = 2
theme = skin.SaveSkinTheme()
Set other = CreateObject("Glavowrap.GlavoSkin")
Check "other differs", (other.SaveSkinTheme() <> theme)
other.LoadSkinTheme "", theme
Check "string round trip", (other.SaveSkinTheme() = theme)
other.Refresh
Check "Refresh", "ok"

skin.NoSuchMember = 1
Report "no such member", Err.Number
Err.Clear

; The Windows setup program: installs the program folder that
; scripts/package-windows stages into Program Files, for all users, with a
; Start-menu shortcut and an entry in Windows' list of installed programs.
; The uninstaller sitting beside quillet.exe is how the program knows it was
; installed, so it keeps each user's settings and own words in
; %APPDATA%\Quillet, which the uninstaller never touches.
;
; makensis /DVERSION=1.0 /DFILE_LIST=files.nsh /DOUTFILE=setup.exe quillet.nsi
; FILE_LIST defines the macros InstallFiles (File lines) and DeleteFiles
; (Delete lines) for the same files, so the uninstaller removes exactly what
; the setup put there.

Unicode true
; A 64-bit setup: it runs where the 64-bit program does, and under a Wine
; without its 32-bit half.
Target amd64-unicode
SetCompressor /SOLID lzma

!macro RequireDefine name
  !ifndef ${name}
    !error "define ${name} (scripts/package-windows does)"
  !endif
!macroend
!insertmacro RequireDefine VERSION
!insertmacro RequireDefine FILE_LIST
!insertmacro RequireDefine OUTFILE
!define /ifndef VERSION_QUAD "${VERSION}.0.0"
!define /ifndef PUBLISHER "The Quillet developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"

!include "${FILE_LIST}"
!include MUI2.nsh
!include FileFunc.nsh

Name "Quillet"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quillet"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true
BrandingText "Quillet ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "Quillet"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillet ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
; The language chosen is kept in the program's uninstall entry, where the
; uninstaller finds it and which it removes.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is what a Windows in neither language gets. Brazilian, as the
; program's own texts; a Windows in Portugal's Portuguese gets it too.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "PortugueseBR"

Function .onInit
  SetRegView 64
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section "Quillet"
  SetOutPath "$INSTDIR"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Quillet.lnk" "$INSTDIR\quillet.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
  !insertmacro DeleteFiles
  Delete "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Quillet.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Not /r: whatever a user put in the folder stays, and the folder with it.
  RMDir "$INSTDIR"
SectionEnd

; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: per user (no administrator needed), into the user's
; own programs folder, with a Start-menu entry and an uninstaller that takes
; away exactly what it installed (settings, memos and texts a user put beside
; the program stay). packaging/windows/make-packages defines:
;   VERSION  the program's version
;   STAGE    the installed tree (bin\, share\) to pack
;   LISTS    the folder of files.nsh (File lines) and unfiles.nsh (Delete lines)
;   PROGRAM  the program the Start-menu entry starts (bin\orvo.exe when built)
;   OUTFILE  the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NAME "Orvo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvo"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Orvo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

Section "Orvo"
  SetShellVarContext current
  !include "${LISTS}\files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Orvo"
  CreateShortcut "$SMPROGRAMS\Orvo\Orvo.lnk" "$INSTDIR\${PROGRAM}"
  CreateShortcut "$SMPROGRAMS\Orvo\Orvo をアンインストール.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvo"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Orvo\Orvo.lnk"
  Delete "$SMPROGRAMS\Orvo\Orvo をアンインストール.lnk"
  RMDir "$SMPROGRAMS\Orvo"
  !include "${LISTS}\unfiles.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

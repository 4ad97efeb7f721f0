; The Windows installer: puts HLV3.aex, the licence and the third-party
; notices into the host's shared effect folder (or the folder chosen on the
; directory page or with /D=), and registers an uninstaller in Add/Remove
; Programs that removes exactly those files.
;
; A 64-bit installer (the module is x64 only), so $PROGRAMFILES64 and the
; registry are the machine's own, not the 32-bit views.
;
; makensis defines, all required (packaging/windows/package.sh passes them):
;   NAME, VENDOR   "Halvane 3", "Korvana"
;   VERSION        "3.0.0", shown in Add/Remove Programs
;   FILE_VERSION   "3.0.0.1", the installer's own version resource
;   STAGE          folder holding HLV3.aex, LICENSE.txt, THIRD-PARTY-NOTICES.txt
;   OUTFILE        the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include LogicLib.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvane3"
!define UNINSTALLER "Uninstall ${NAME}.exe"
!define MODULE "HLV3.aex"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
; Every installed version of the host looks in this shared folder.
InstallDir "$PROGRAMFILES64\Adobe\Common\Plug-ins\7.0\MediaCore\${VENDOR}"
; An update goes where the last install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${VENDOR}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A module the host has loaded cannot be written or deleted: Windows holds
; the mapped file. Stops (exit code 2) with a message that says what to do,
; before anything was changed.
!macro RefuseIfModuleInUse un
Function ${un}RefuseIfModuleInUse
  ${If} ${FileExists} "$INSTDIR\${MODULE}"
    ClearErrors
    FileOpen $0 "$INSTDIR\${MODULE}" a
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\${MODULE} is in use, so it cannot be replaced or removed.$\r$\n$\r$\nQuit After Effects and every other program that uses ${NAME}, then run this again." /SD IDOK
      DetailPrint "$INSTDIR\${MODULE} is in use: nothing was changed."
      Abort
    ${EndIf}
    FileClose $0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro RefuseIfModuleInUse ""
!insertmacro RefuseIfModuleInUse "un."

Section "Install"
  Call RefuseIfModuleInUse
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${STAGE}\${MODULE}"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY-NOTICES.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes the files the installer wrote and the folder only when nothing
; else is left in it.
Section "Uninstall"
  Call un.RefuseIfModuleInUse
  Delete "$INSTDIR\${MODULE}"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

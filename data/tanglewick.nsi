; Tanglewick's setup program for 64-bit Windows, made by scripts/windows.sh
; with makensis from the files the zip holds. It installs for the player
; alone by default (no administrator prompt), or with /AllUsers for everyone;
; /S installs silently and /D= chooses the folder, as package managers use.
; An install over an older one removes that one first, with its own
; uninstaller, so that no file it shipped and this one does not is left.
; Neither runs while the game does: they ask the player to close it, and
; silently end with exit code 32 having changed nothing.
;
; The word lists, Words8.Txt to Words12.Txt, are the player's to replace.
; The install records each list's size and time as it wrote it; the
; uninstaller removes a list only while it is still so, and an install never
; writes over a list it finds (one the player changed, which the uninstall
; of before kept). An unchanged list is so replaced by the new version's.
;
; Defines given by scripts/windows.sh:
;   VERSION          the game's version, 1.00.0001
;   VERSION_NUMBERS  the same as four numbers, 1.0.0.1
;   STAGE            the folder of staged files to install
;   FILES            an include of File lines, one for each staged file
;                    (WordList lines for the word lists)
;   REMOVALS         an include of the Delete and RMDir lines that undo them
;                    (KeepChangedWordList lines for the word lists)
;   LICENCE          the text of the licence page
;   ICON             the game's icon
;   OUTFILE          the setup program to write
; and, for the tests alone, UNINSTALL_ACCOUNT_TYPE: the account type the
; uninstaller takes the player's to be ("User", say), in place of asking.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!define PRODUCT "Tanglewick"
!define PUBLISHER "The Tanglewick developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tanglewick"
!define PRODUCT_KEY "Software\Tanglewick"
!define WORD_LISTS_KEY "${PRODUCT_KEY}\Installed word lists"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tanglewick.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Sets $R9 to the size and time of the file FILE as "size,high,low", or to
; "" when it cannot be read.
!macro WordListStamp FILE
  ClearErrors
  FileOpen $R8 "${FILE}" r
  ${If} ${Errors}
    StrCpy $R9 ""
  ${Else}
    FileSeek $R8 0 END $R9
    FileClose $R8
    GetFileTime "${FILE}" $R7 $R6
    StrCpy $R9 "$R9,$R7,$R6"
  ${EndIf}
!macroend

; Installs the word list NAME from SOURCE unless the folder holds one
; already, and records the size and time of the list it wrote.
!macro WordList NAME SOURCE
  ${IfNot} ${FileExists} "$INSTDIR\${NAME}"
    File "${SOURCE}"
    !insertmacro WordListStamp "$INSTDIR\${NAME}"
    WriteRegStr SHCTX "${WORD_LISTS_KEY}" "${NAME}" $R9
  ${EndIf}
!macroend

; Removes the word list NAME if it is still the one the install wrote.
!macro KeepChangedWordList NAME
  ReadRegStr $R0 SHCTX "${WORD_LISTS_KEY}" "${NAME}"
  !insertmacro WordListStamp "$INSTDIR\${NAME}"
  ${If} $R0 != ""
  ${AndIf} $R0 == $R9
    Delete "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

; Asks the player to close the game while it runs from the folder (its
; program cannot be opened for writing then); quits with exit code 32, the
; file in use, if they cancel, or at once when silent.
!macro CloseGameFunction PREFIX
Function ${PREFIX}CloseGame
  retry:
  ${If} ${FileExists} "$INSTDIR\Tanglewick.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\Tanglewick.exe" a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. Close it, then choose Retry." \
        /SD IDCANCEL IDRETRY retry
      SetErrorLevel 32 ; ERROR_SHARING_VIOLATION
      Quit
    ${EndIf}
    FileClose $0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CloseGameFunction ""
!insertmacro CloseGameFunction "un."

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "Installing ${PRODUCT} for all users needs an administrator." /SD IDOK
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
    SetShellVarContext all
    ; /D= has set the folder already; otherwise everyone's programs folder.
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${PRODUCT}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${EndIf}
  ; Over an install of before, in its folder unless /D= names another.
  ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${OrIf} $INSTDIR == "$PROGRAMFILES64\${PRODUCT}"
      StrCpy $INSTDIR $1
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" Game
  SectionIn RO
  ; The install of before goes first, by its own uninstaller, run in its
  ; folder and waited for; then that uninstaller itself.
  ; Nothing is changed while the game runs, nor when that uninstaller
  ; fails: it has changed nothing either.
  Call CloseGame
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
    ExecWait '"$0\Uninstall.exe" /S _?=$0' $1
    ${If} $1 != 0
      MessageBox MB_ICONSTOP "The installed ${PRODUCT} could not be removed (exit code $1)." /SD IDOK
      SetErrorLevel $1
      Quit
    ${EndIf}
    Delete "$0\Uninstall.exe"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut starts the game in its own folder: the out path.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Tanglewick.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tanglewick.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" Desktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Tanglewick.exe"
SectionEnd

Function un.onInit
  ; Installed for all users when everyone's entry names this folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    !ifdef UNINSTALL_ACCOUNT_TYPE
      StrCpy $1 "${UNINSTALL_ACCOUNT_TYPE}"
    !else
      UserInfo::GetAccountType
      Pop $1
    !endif
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "Removing ${PRODUCT} for all users needs an administrator." /SD IDOK
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
    SetShellVarContext all
  ${EndIf}
FunctionEnd

; Removes what the install wrote, file by file: a file the player put in
; the folder stays, and the folder with it; so does a word list the player
; changed.
Section "Uninstall"
  Call un.CloseGame
  !include "${REMOVALS}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${PRODUCT_KEY}"
SectionEnd

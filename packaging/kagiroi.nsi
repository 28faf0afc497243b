; The Windows installer of Kagiroi, made by scripts/windows-package.sh (read there how).
;   makensis -INPUTCHARSET UTF8 -DSTAGE=folder -DFILES=files.nsh -DVERSION=x.y -DSIZE_KB=n
;            -DOUTFILE=Kagiroi-setup.exe [-DWINDOW] kagiroi.nsi
; STAGE holds exactly what goes into the program folder; FILES is the list of those files and
; folders for the uninstaller, so it removes what was installed and nothing the user made there
; (a program run with the right to write its own folder keeps kagiroi.ini and Data beside it).
; WINDOW says the desktop program (kagiroi.exe and its Qt files) is in STAGE.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Kagiroi"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ABORTWARNING
; No "run Kagiroi" on the last page: started from here it would run with the installer's
; administrator rights, find Program Files writable and keep that run's data there.
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Kagiroi.pdf"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is taken where Windows speaks neither.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString NeedsX64 ${LANG_JAPANESE} "Kagiroi は 64 ビット版の Windows で動きます。"
LangString NeedsX64 ${LANG_ENGLISH} "Kagiroi runs on 64-bit Windows."
LangString LinkPrompt ${LANG_JAPANESE} "Kagiroi コマンドプロンプト"
LangString LinkPrompt ${LANG_ENGLISH} "Kagiroi Command Prompt"
LangString LinkManual ${LANG_JAPANESE} "Kagiroi 使用解説書"
LangString LinkManual ${LANG_ENGLISH} "Kagiroi Manual"
LangString LinkReadme ${LANG_JAPANESE} "Kagiroi README"
LangString LinkReadme ${LANG_ENGLISH} "Kagiroi README"
LangString LinkUninstall ${LANG_JAPANESE} "Kagiroi のアンインストール"
LangString LinkUninstall ${LANG_ENGLISH} "Uninstall Kagiroi"
LangString PromptHint ${LANG_JAPANESE} "kagiroi-cli --help でコマンドの一覧を表示します。"
LangString PromptHint ${LANG_ENGLISH} "kagiroi-cli --help lists the commands."

!include "${FILES}"

; The programs are 64-bit, and the Add/Remove Programs entry belongs in the 64-bit registry
; view although the installer itself is a 32-bit program.
Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP|MB_OK "$(NeedsX64)" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Kagiroi"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
!ifdef WINDOW
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\kagiroi.exe"
!endif
    ; A console in the program folder, where kagiroi-cli is found by name.
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(LinkPrompt).lnk" "$WINDIR\System32\cmd.exe" \
        '/k "echo $(PromptHint)"' "$INSTDIR\kagiroi-cli.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(LinkManual).lnk" "$INSTDIR\Kagiroi.pdf"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(LinkReadme).lnk" "$INSTDIR\README.txt"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(LinkUninstall).lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef WINDOW
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kagiroi.exe"
!endif
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    !insertmacro KagiroiRemoveFiles
    Delete "$INSTDIR\uninstall.exe"
    ; Left standing when the user's kagiroi.ini or Data lie in it.
    RMDir "$INSTDIR"
    RMDir /r "$SMPROGRAMS\${PRODUCT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

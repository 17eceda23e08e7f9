; SPDX-License-Identifier: MIT
; The Windows setup program. It installs for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Cubomancer, with a Start-menu entry and an "Apps & features"
; entry whose uninstaller removes everything installed here. The date the program stores in
; the user's registry stays, as the Linux package leaves the settings file. A newer setup program
; installs over an older one in place, and the same one again repairs the installation. Neither
; the setup program nor the uninstaller changes anything while the program runs.
; Defines: VERSION, PUBLISHER, COPYRIGHT, PROGRAM (cubomancer.exe), LICENSES (Qt's notices), OUTFILE, ICON,
; LANGUAGES (the other languages' file, written from the catalogues); COMPRESSOR if not lzma.
Unicode true
; A 64-bit setup program, which runs on 64-bit Windows and under a 64-bit-only Wine alike.
Target amd64-unicode
!ifndef COMPRESSOR
    !define COMPRESSOR lzma
!endif
SetCompressor /SOLID ${COMPRESSOR}
RequestExecutionLevel user
; No file dates in the setup program: two builds of the same files give the same setup program.
; The installed files are dated by the installation instead.
SetDateSave off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define APP_NAME "Cubomancer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_NAME}"
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"
; The installed program's file name, without ".exe": the program names its mutex after it.
!define PROGRAM_NAME "cubomancer"
; NSIS's own exit code for an installation that the script ended.
!define EXIT_ABORTED 2

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP_NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APP_NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APP_NAME} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_NAME}.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of a Windows whose own the setup program does not speak. Each other
; language's texts come from the program's catalogues, NSIS's own with its language files; the
; setup program and the uninstaller speak the language of Windows.
!insertmacro MUI_LANGUAGE "English"
LangString PROGRAM_RUNNING ${LANG_ENGLISH} "Cubomancer is running. Close it, then choose Retry."
!include "${LANGUAGES}"

; While it runs, the program holds a named mutex: "Global\<name>-<the user's SID>", or
; "Local\<name>" where it could not learn the SID. That mutex, not a locked file, tells that it
; runs: Wine 8 lets a running program's file be replaced, where Windows refuses.
!macro RUNNING_PROGRAM_CHECK un
; The SID of the user the setup program runs as, in its text form ("S-1-5-21-..."), in $1;
; empty when the system will not say. Uses $0 to $5.
Function ${un}UserSid
    StrCpy $1 ""
    ; TOKEN_QUERY on the process's own token (the current process is the handle -1).
    System::Call "advapi32::OpenProcessToken(p -1, i 0x8, *p .r2) i .r0"
    ${If} $0 = 0
        Return
    ${EndIf}
    ; TokenUser: the first call tells the size, the second fills a TOKEN_USER, which starts with
    ; the address of the SID.
    System::Call "advapi32::GetTokenInformation(p r2, i 1, p 0, i 0, *i .r3)"
    System::Alloc $3
    Pop $4
    System::Call "advapi32::GetTokenInformation(p r2, i 1, p r4, i r3, *i .r3) i .r0"
    ${If} $0 <> 0
        System::Call "*$4(p .r5)"
        System::Call "advapi32::ConvertSidToStringSidW(p r5, *p .r3) i .r0"
        ${If} $0 <> 0
            System::Call "kernel32::lstrcpynW(w .r1, p r3, i ${NSIS_MAX_STRLEN})"
            System::Call "kernel32::LocalFree(p r3)"
        ${EndIf}
    ${EndIf}
    System::Free $4
    System::Call "kernel32::CloseHandle(p r2)"
FunctionEnd

; $0 is 1 while a mutex of the name $R0 exists, 0 otherwise. Uses $2 and $3.
Function ${un}MutexExists
    ; SYNCHRONIZE is all the opening needs; a mutex that exists but will not open is there too.
    System::Call "kernel32::OpenMutexW(i 0x100000, i 0, w R0) p .r2 ?e"
    Pop $3
    StrCpy $0 0
    ${If} $2 P<> 0
        StrCpy $0 1
        System::Call "kernel32::CloseHandle(p r2)"
    ${ElseIf} $3 = 5 ; ERROR_ACCESS_DENIED
        StrCpy $0 1
    ${EndIf}
FunctionEnd

; While the program runs, asks the user to close it (Retry or Cancel). Cancelled, or silent (/S),
; it ends the setup program or the uninstaller at once, having changed nothing, with a non-zero
; exit code.
Function ${un}WaitUntilProgramCloses
    Push $R0
    Call ${un}UserSid
    retry:
    StrCpy $R0 "Global\${PROGRAM_NAME}-$1"
    Call ${un}MutexExists
    ${If} $0 = 0
        StrCpy $R0 "Local\${PROGRAM_NAME}"
        Call ${un}MutexExists
    ${EndIf}
    ${If} $0 = 1
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(PROGRAM_RUNNING)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_ABORTED}
        Quit
    ${EndIf}
    Pop $R0
FunctionEnd
!macroend
!insertmacro RUNNING_PROGRAM_CHECK ""
!insertmacro RUNNING_PROGRAM_CHECK "un."

; Before any page, so that a silent run refuses at once; again as the files are written, since the
; program may have been started while the pages were shown.
Function .onInit
    Call WaitUntilProgramCloses
FunctionEnd

Function un.onInit
    Call un.WaitUntilProgramCloses
FunctionEnd

Section
    Call WaitUntilProgramCloses
    SetOutPath "$INSTDIR"
    File "/oname=${PROGRAM_NAME}.exe" "${PROGRAM}"
    ; Over an older version, its notices make way: the folder holds this version's alone.
    RMDir /r "$INSTDIR\licenses"
    SetOutPath "$INSTDIR\licenses"
    File /r "${LICENSES}/*"
    ; The shortcut starts the program in its own folder.
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM_NAME}.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_NAME}.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Call un.WaitUntilProgramCloses
    Delete "$INSTDIR\${PROGRAM_NAME}.exe"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The setup program makes this folder where no program made it before; empty, it goes too.
    RMDir "$LOCALAPPDATA\Programs"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

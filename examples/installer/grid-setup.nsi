; Setup for the Grid control library: copies grid.wed into the BIN folder of
; an IDE installation and has Formfit enter the component GridCtl in the
; window editor's configuration (BIN\DEDUDED.INF); its uninstaller, which
; Apps and Features lists, has Formfit take it out again.
;
;   makensis [-X"Target amd64-unicode"] [-DFORMFIT_DIR=..] [-DCOMPONENT_FILE=grid.wed]
;            [-DOUTFILE=grid-setup.exe] grid-setup.nsi
;
; The target is x86-unicode unless the caller names another; it has to match
; formfit.exe (32-bit setup, 32-bit Formfit). The setup proposes the folder
; that the IDE's own setup entered in the registry; /D= names another.
; Silent runs:
;
;   grid-setup.exe /S /D=D:\VO28
;   "C:\Program Files (x86)\Grid\Uninstall Grid.exe" /S _?=C:\Program Files (x86)\Grid
;
; /D= and _?= go last, unquoted even with blanks. Without _?= the
; uninstaller copies itself to the temporary folder, starts the copy and
; returns at once, before anything is done; with it, the caller waits and
; gets the exit code, and the uninstaller file goes at the next restart
; (the registered QuietUninstallString is this second line).
;
; Exit codes of both: 0 done; 1 and 2 are NSIS's own (cancelled by the user,
; aborted by the script); 100 + N when Formfit ended with status N (its
; meanings are in README.txt, "Exit statuses"), with the setup's own checks
; counted as the status of the same meaning: 102 when the folder holds no
; BIN\DEDUDED.INF (refused before anything is copied), 103 when grid.wed
; cannot be copied into BIN; 199 when formfit.exe cannot be started. Both
; append Formfit's log and their verdict line to "%TEMP%\Grid setup.log".

Unicode true

; The layout of the release zip: formfit.exe and its language files one
; folder up, the component file beside this script.
!ifndef FORMFIT_DIR
  !define FORMFIT_DIR ".."
!endif
!ifndef COMPONENT_FILE
  !define COMPONENT_FILE "grid.wed"
!endif
!ifndef OUTFILE
  !define OUTFILE "grid-setup.exe"
!endif

!define UNINSTALLER "Uninstall Grid.exe"
!define LOG_FILE "$TEMP\Grid setup.log"
; The vendor's own folder, which holds the uninstaller.
!define VENDOR_DIR "$PROGRAMFILES\Grid"
; The Apps and Features entry, in the 32-bit view beside the IDE's own.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Grid"
!define IDE_UNINSTALL_KEYS "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define FALLBACK_DIR "C:\VO28"
!define DIR_TEXT "Choose the folder of the IDE installation that gets the Grid controls: the folder whose BIN folder holds DEDUDED.INF."
!define DIR_REFUSED "This folder is no IDE installation: it has no BIN\DEDUDED.INF. Choose the folder of the IDE installation that gets the Grid controls."

!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

Name "Grid"
OutFile "${OUTFILE}"
; No InstallDir: .onInit finds the folder, so that /D= still wins.
; The IDE's folder is often one that only an administrator may write to.
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

DirText "${DIR_TEXT}"
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var Mode          ; Add or Remove: the change Formfit is asked for
Var Folder        ; the IDE's folder
Var ComponentFile ; the grid.wed Formfit reads
Var Status        ; Formfit's exit status, or a setup check's of the same meaning
Var Meaning       ; what the status means
Var Advice        ; what the user can do about it
Var Cause         ; who gave the status: Formfit, or a check of the setup's own
Var Run           ; "Grid setup" or "Grid removal", the verdict line's start
Var Note          ; added to the verdict line
Var Heading       ; the failure message's first line, ahead of the folder
Var Verdict       ; the line for the log
Var HadWed        ; 1 when BIN held a grid.wed before this setup

; One uninstall key of the IDE's setup: as formfit.exe does, the first key
; that exists decides, even when it has no UninstallString.
!macro READ_IDE_KEY KEY
  ClearErrors
  EnumRegValue $R1 HKLM "${IDE_UNINSTALL_KEYS}\${KEY}" 0
  ${IfNot} ${Errors}
    ReadRegStr $R0 HKLM "${IDE_UNINSTALL_KEYS}\${KEY}" "UninstallString"
    Goto ide_key_read
  ${EndIf}
!macroend

Function .onInit
  ; The IDE's setup is 32-bit, so its entries and this setup's own live in
  ; the 32-bit view, whatever this setup's target.
  SetRegView 32
  ${If} $INSTDIR != ""
    Return
  ${EndIf}
  StrCpy $R0 ""
  !insertmacro READ_IDE_KEY vo28_1_is1
  !insertmacro READ_IDE_KEY vo28_is1
  !insertmacro READ_IDE_KEY vo28trial_is1
  ide_key_read:
  ; A quoted command with arguments gives the path in its quotes, such as
  ; C:\VO28\Uninstall\unins000.exe; the IDE's folder is two levels up.
  StrCpy $R1 $R0 1
  ${If} $R1 == '"'
    StrCpy $R0 $R0 "" 1
    StrCpy $R2 1
    ${Do}
      StrCpy $R1 $R0 1 $R2
      ${IfThen} $R1 == '"' ${|} StrCpy $R0 $R0 $R2 ${|}
      IntOp $R2 $R2 + 1
    ${LoopUntil} $R1 == ""
  ${EndIf}
  ${GetParent} $R0 $R0
  ${GetParent} $R0 $INSTDIR
  ${If} $INSTDIR == ""
    StrCpy $INSTDIR "${FALLBACK_DIR}"
  ${EndIf}
FunctionEnd

; The folder page says why Install stays grey, before anything is copied.
Function .onVerifyInstDir
  FindWindow $R0 "#32770" "" $HWNDPARENT
  GetDlgItem $R0 $R0 1006
  ${IfNot} ${FileExists} "$INSTDIR\BIN\DEDUDED.INF"
    SendMessage $R0 ${WM_SETTEXT} 0 "STR:${DIR_REFUSED}"
    Abort
  ${EndIf}
  SendMessage $R0 ${WM_SETTEXT} 0 "STR:${DIR_TEXT}"
FunctionEnd

; FormfitMeaning: $Status -> $Meaning and $Advice.
; RunFormfit: runs the unpacked formfit.exe on $Folder with $Mode and
; $ComponentFile, and sets $Status and $Cause.
; Verdict: sets $Verdict and appends it to the log.
; Failed: shows the message that names the folder and what to do, and ends
; the run with 100 + $Status.
; A macro, because the uninstaller may call only functions named "un.".
!macro FORMFIT_FUNCTIONS un
  Function ${un}FormfitMeaning
    StrCpy $Advice "DEDUDED.INF was not changed. Run the setup again; if it fails again, send the log to Grid's vendor."
    ${Select} $Status
      ${Case} 0
        StrCpy $Meaning "the change was made (or, for mode=Check, the component is installed)"
      ${Case} 1
        StrCpy $Meaning "no change was asked for: the mode is none of Add, Remove, Check and Restore"
      ${Case} 2
        StrCpy $Meaning "the folder is no installation: BIN\DEDUDED.INF is missing"
        StrCpy $Advice "Choose the folder of the IDE installation: the one whose BIN folder holds DEDUDED.INF."
      ${Case} 3
        StrCpy $Meaning "the component file is missing"
      ${Case} 4
        ; Formfit has waited up to 10 seconds for another program to let go of
        ; the file; its log says whether the file is in use or the right to
        ; change it is missing.
        StrCpy $Meaning "the configuration file cannot be opened"
        StrCpy $Advice "Close the IDE and any other program that uses DEDUDED.INF, then run the setup again. Without the right to change the file, run the setup as administrator."
      ${Case} 5
        StrCpy $Meaning "memory is short"
      ${Case} 6
        StrCpy $Meaning "the configuration file cannot be read"
      ${Case} 7
        StrCpy $Meaning "no backup can be made"
        StrCpy $Advice "Make room on the disk, or move old backups (DEDUDED.000 to DEDUDED.999) out of the BIN folder, then run the setup again."
      ${Case} 8
        StrCpy $Meaning "the configuration file cannot be written; its old contents were put back"
      ${Case} 9
        ; For a Remove: the component file yields nothing of the component.
        StrCpy $Meaning "nothing of the component could be placed; the file is unchanged"
        StrCpy $Advice "DEDUDED.INF lacks the sections the component goes into (it may be empty or damaged). Put a good backup of it back (README.txt, Undoing a change), then run the setup again."
      ${Case} 10
        StrCpy $Meaning "the preview could not be written"
      ${Case} 11
        StrCpy $Meaning "the program failed inside; DEDUDED.INF is whole, as before or fully changed"
        StrCpy $Advice "Run formfit.exe with mode=Check and the same words to learn whether the change was made (README.txt, Exit statuses)."
      ${Case} 12
        StrCpy $Meaning "mode=Check: the component is not installed"
      ${Case} 13
        StrCpy $Meaning "mode=Check: the component is installed in part, or from another version of its component file"
      ${Case} 14
        StrCpy $Meaning "mode=Restore: there is no such backup to put back; nothing changed"
      ${Case} 99
        StrCpy $Meaning "formfit.exe could not be started"
      ${CaseElse}
        StrCpy $Meaning "an unknown status"
    ${EndSelect}
  FunctionEnd

  Function ${un}RunFormfit
    ; Formfit runs from the plug-ins folder, which goes when the setup ends:
    ; nothing of it stays in the installation.
    InitPluginsDir
    SetOutPath "$PLUGINSDIR"
    File "${FORMFIT_DIR}\formfit.exe"
    File "${FORMFIT_DIR}\Formfit.sys"
    File "${FORMFIT_DIR}\Formfit.en.sys"
    DetailPrint "Formfit: mode=$Mode on $Folder"
    ClearErrors
    ExecWait '"$PLUGINSDIR\formfit.exe" "cavopath=$Folder" component=GridCtl "compfile=$ComponentFile" mode=$Mode silent "log=${LOG_FILE}"' $Status
    ${If} ${Errors}
      StrCpy $Status 99
      StrCpy $Cause "Not started, status 99"
    ${Else}
      StrCpy $Cause "Formfit exit status $Status"
    ${EndIf}
    ; The plug-ins folder can go at the end only if it is not the current one.
    SetOutPath "$TEMP"
  FunctionEnd

  Function ${un}Verdict
    Call ${un}FormfitMeaning
    StrCpy $Verdict "$Run: $Cause: $Meaning$Note"
    DetailPrint "$Verdict"
    ; After Formfit's own lines, so that the log tells the whole run.
    FileOpen $R2 "${LOG_FILE}" a
    FileSeek $R2 0 END
    FileWrite $R2 "$Verdict$\r$\n"
    FileClose $R2
  FunctionEnd

  Function ${un}Failed
    MessageBox MB_OK|MB_ICONSTOP "$Heading$\r$\n$Folder$\r$\n$\r$\n$Cause: $Meaning.$\r$\n$\r$\n$Advice$\r$\n$\r$\nThe log: ${LOG_FILE}" /SD IDOK
    IntOp $R0 $Status + 100
    SetErrorLevel $R0
    Abort
  FunctionEnd
!macroend
!insertmacro FORMFIT_FUNCTIONS ""
!insertmacro FORMFIT_FUNCTIONS "un."

; Puts back the grid.wed that BIN held before, or none. DEDUDED.INF needs
; nothing: Formfit leaves it as it was when it fails.
Function TakeBack
  ${If} $HadWed == 1
    CopyFiles /SILENT "$PLUGINSDIR\grid.wed.old" "$INSTDIR\BIN\grid.wed"
  ${Else}
    Delete "$INSTDIR\BIN\grid.wed"
  ${EndIf}
FunctionEnd

Section "Grid"
  StrCpy $Folder $INSTDIR
  StrCpy $ComponentFile "$INSTDIR\BIN\grid.wed"
  StrCpy $Run "Grid setup"
  StrCpy $Heading "Grid was not added to the IDE in"
  ; A silent setup shows no folder page: the same check as its own.
  ${IfNot} ${FileExists} "$INSTDIR\BIN\DEDUDED.INF"
    StrCpy $Status 2
    StrCpy $Cause "Check before copying, status 2"
    Call Verdict
    Call Failed
  ${EndIf}
  StrCpy $HadWed 0
  InitPluginsDir
  ${If} ${FileExists} "$INSTDIR\BIN\grid.wed"
    StrCpy $HadWed 1
    CopyFiles /SILENT "$INSTDIR\BIN\grid.wed" "$PLUGINSDIR\grid.wed.old"
  ${EndIf}
  SetOutPath "$INSTDIR\BIN"
  ClearErrors
  File "/oname=grid.wed" "${COMPONENT_FILE}"
  ; A grid.wed that was not replaced must not be entered in its place.
  ${If} ${Errors}
    StrCpy $Status 3
    StrCpy $Cause "Copying grid.wed into BIN failed, status 3"
    Call Verdict
    Call TakeBack
    Call Failed
  ${EndIf}

  StrCpy $Mode Add
  Call RunFormfit
  Call Verdict
  ${If} $Status <> 0
    Call TakeBack
    Call Failed
  ${EndIf}
  SetOutPath "${VENDOR_DIR}"
  WriteUninstaller "${VENDOR_DIR}\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Grid controls for the window editor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"${VENDOR_DIR}\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"${VENDOR_DIR}\${UNINSTALLER}" /S _?=${VENDOR_DIR}'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "${VENDOR_DIR}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "IDEFolder" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetRegView 32
  ; Without a recorded folder (an entry deleted by hand) Formfit finds the
  ; IDE itself, as its wizard does, and BIN\grid.wed stays.
  ReadRegStr $Folder HKLM "${UNINSTALL_KEY}" "IDEFolder"
FunctionEnd

Section "Uninstall"
  ; The uninstaller carries the grid.wed it installed: the component's lines
  ; come out of DEDUDED.INF even when BIN\grid.wed is gone.
  InitPluginsDir
  SetOutPath "$PLUGINSDIR"
  File "/oname=grid.wed" "${COMPONENT_FILE}"
  StrCpy $ComponentFile "$PLUGINSDIR\grid.wed"
  StrCpy $Mode Remove
  StrCpy $Run "Grid removal"
  StrCpy $Heading "Grid was not taken out of the IDE in"
  Call un.RunFormfit
  ; Without the IDE there is nothing left to take out; any other failure
  ; leaves the component entered, so its file and this uninstaller stay.
  ${If} $Status = 2
    StrCpy $Note "; nothing left to take out, the removal goes on"
  ${EndIf}
  Call un.Verdict
  ${If} $Status <> 0
  ${AndIf} $Status <> 2
    Call un.Failed
  ${EndIf}
  ${IfThen} $Folder != "" ${|} Delete "$Folder\BIN\grid.wed" ${|}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Run in place (_?=), the uninstaller cannot delete itself until the
  ; next restart.
  Delete /REBOOTOK "$INSTDIR\${UNINSTALLER}"
  RMDir /REBOOTOK "$INSTDIR"
SectionEnd

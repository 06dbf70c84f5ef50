; Setup for the Grid control library: copies grid.wed into the BIN folder of
; an IDE installation and has Formfit enter the component GridCtl in the
; window editor's configuration (BIN\DEDUDED.INF); its uninstaller has
; Formfit take it out again.
;
;   makensis [-X"Target amd64-unicode"] [-DFORMFIT_DIR=..] [-DCOMPONENT_FILE=grid.wed]
;            [-DOUTFILE=grid-setup.exe] grid-setup.nsi
;
; The target is x86-unicode unless the caller names another; it has to match
; formfit.exe (32-bit setup, 32-bit Formfit). Silent runs:
;
;   grid-setup.exe /S /D=D:\VO28
;   "D:\VO28\Uninstall Grid.exe" /S
;
; Both end with Formfit's exit status as their own exit code, and both
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

!include LogicLib.nsh

Name "Grid"
OutFile "${OUTFILE}"
InstallDir "C:\VO28"
; The IDE's folder is often one that only an administrator may write to.
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

DirText "Choose the folder of the IDE installation that gets the Grid controls."
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var Mode        ; Add or Remove: the change Formfit is asked for
Var Status      ; Formfit's exit status
Var Verdict     ; the line for the log and, on failure, the message
Var HadWed      ; 1 when BIN held a grid.wed before this setup
Var MadeInstDir ; 1 when this setup created the installation folder
Var MadeBin     ; 1 when this setup created its BIN folder

; FormfitMeaning: $Status -> $R0, the meaning of a Formfit exit status.
; RunFormfit: runs the unpacked formfit.exe on $INSTDIR with $Mode, sets
; $Status and $Verdict (prefix $R1) and appends $Verdict to the log.
; A macro, because the uninstaller may call only functions named "un.".
!macro FORMFIT_FUNCTIONS un
  Function ${un}FormfitMeaning
    ${Select} $Status
      ${Case} 0
        StrCpy $R0 "the change was made (or, for mode=Check, the component is installed)"
      ${Case} 1
        StrCpy $R0 "no change was asked for: the mode is none of Add, Remove, Check and Restore"
      ${Case} 2
        StrCpy $R0 "the folder is no installation: BIN\DEDUDED.INF is missing"
      ${Case} 3
        StrCpy $R0 "the component file is missing"
      ${Case} 4
        StrCpy $R0 "the configuration file cannot be opened"
      ${Case} 5
        StrCpy $R0 "memory is short"
      ${Case} 6
        StrCpy $R0 "the configuration file cannot be read"
      ${Case} 7
        StrCpy $R0 "no backup can be made"
      ${Case} 8
        StrCpy $R0 "the configuration file cannot be written; its old contents were put back"
      ${Case} 9
        StrCpy $R0 "nothing of the component could be placed; the file is unchanged"
      ${Case} 10
        StrCpy $R0 "the preview could not be written"
      ${Case} 11
        StrCpy $R0 "the program failed inside; DEDUDED.INF is whole, as before or fully changed"
      ${Case} 12
        StrCpy $R0 "mode=Check: the component is not installed"
      ${Case} 13
        StrCpy $R0 "mode=Check: the component is installed in part, or from another version of its component file"
      ${Case} 14
        StrCpy $R0 "mode=Restore: there is no such backup to put back; nothing changed"
      ${CaseElse}
        StrCpy $R0 "an unknown status"
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
    DetailPrint "Formfit: mode=$Mode on $INSTDIR"
    ClearErrors
    ExecWait '"$PLUGINSDIR\formfit.exe" "cavopath=$INSTDIR" component=GridCtl "compfile=$INSTDIR\BIN\grid.wed" mode=$Mode silent "log=${LOG_FILE}"' $Status
    ; Formfit did not start at all, so there is no status of its own.
    ${If} ${Errors}
      StrCpy $Status -1
    ${EndIf}
    ; The plug-ins folder can go at the end only if it is not the current one.
    SetOutPath "$TEMP"
    Call ${un}FormfitMeaning
    StrCpy $Verdict "$R1: Formfit exit status $Status: $R0"
    DetailPrint "$Verdict"
    ; After Formfit's own lines, so that the log tells the whole run.
    FileOpen $R2 "${LOG_FILE}" a
    FileSeek $R2 0 END
    FileWrite $R2 "$Verdict$\r$\n"
    FileClose $R2
  FunctionEnd
!macroend
!insertmacro FORMFIT_FUNCTIONS ""
!insertmacro FORMFIT_FUNCTIONS "un."

; Puts back what the setup copied: the old grid.wed or none, and no folder
; it made. DEDUDED.INF needs nothing: Formfit leaves it as it was when it
; fails.
Function TakeBack
  ${If} $HadWed == 1
    CopyFiles /SILENT "$PLUGINSDIR\grid.wed.old" "$INSTDIR\BIN\grid.wed"
  ${Else}
    Delete "$INSTDIR\BIN\grid.wed"
  ${EndIf}
  ${If} $MadeBin == 1
    RMDir "$INSTDIR\BIN"
  ${EndIf}
  ${If} $MadeInstDir == 1
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

Section "Grid"
  StrCpy $MadeInstDir 0
  StrCpy $MadeBin 0
  StrCpy $HadWed 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $MadeInstDir 1
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\BIN\*.*"
    StrCpy $MadeBin 1
  ${EndIf}
  InitPluginsDir
  ${If} ${FileExists} "$INSTDIR\BIN\grid.wed"
    StrCpy $HadWed 1
    CopyFiles /SILENT "$INSTDIR\BIN\grid.wed" "$PLUGINSDIR\grid.wed.old"
  ${EndIf}
  SetOutPath "$INSTDIR\BIN"
  File "/oname=grid.wed" "${COMPONENT_FILE}"

  StrCpy $Mode Add
  StrCpy $R1 "Grid setup"
  Call RunFormfit
  ${If} $Status <> 0
    MessageBox MB_OK|MB_ICONSTOP "$Verdict" /SD IDOK
    Call TakeBack
    ; The caller of a silent setup learns Formfit's own status.
    SetErrorLevel $Status
    Abort
  ${EndIf}
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section "Uninstall"
  StrCpy $Mode Remove
  StrCpy $R1 "Grid removal"
  Call un.RunFormfit
  ${If} $Status <> 0
    ; The component stays entered, so its file stays too.
    MessageBox MB_OK|MB_ICONSTOP "$Verdict" /SD IDOK
    SetErrorLevel $Status
    Abort
  ${EndIf}
  Delete "$INSTDIR\BIN\grid.wed"
  Delete "$INSTDIR\${UNINSTALLER}"
SectionEnd

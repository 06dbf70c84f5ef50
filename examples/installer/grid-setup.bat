@echo off
rem Setup for the Grid control library, for installers that run batch files:
rem
rem   grid-setup.bat FOLDER           copies grid.wed into FOLDER\BIN and has
rem                                   Formfit enter the component GridCtl in
rem                                   FOLDER\BIN\DEDUDED.INF
rem   grid-setup.bat FOLDER Remove    has Formfit take it out again, then
rem                                   deletes FOLDER\BIN\grid.wed
rem   grid-setup.bat FOLDER Check     asks Formfit whether it is installed
rem   grid-setup.bat FOLDER Restore   has Formfit put the newest backup of
rem                                   DEDUDED.INF back (undo-last-change.bat)
rem
rem formfit.exe is the one of the release zip, one folder up, unless FORMFIT
rem names another. Prints one line "Formfit: exit status N: MEANING", appends
rem it to Formfit's log "%TEMP%\Grid setup.log" and ends with Formfit's exit
rem status. A failed setup takes back the grid.wed it copied. When grid.wed
rem cannot be copied into BIN, Formfit is not run: the line then begins
rem "grid-setup: copying grid.wed into BIN failed" and the status is 3.
setlocal
if "%~1"=="" (
  echo usage: grid-setup.bat FOLDER [Remove^|Check^|Restore] 1>&2
  exit /b 1
)
set "folder=%~1"
set "mode=Add"
if not "%~2"=="" set "mode=%~2"
if not defined FORMFIT set "FORMFIT=%~dp0..\formfit.exe"
set "wed=%folder%\BIN\grid.wed"
set "log=%TEMP%\Grid setup.log"
set "saved=%TEMP%\grid.wed.before-setup"

set copied=0
set had=0
if /i not "%mode%"=="Add" goto run
rem A folder without BIN\DEDUDED.INF is no installation: nothing is copied
rem into it, and Formfit says so (status 2).
if not exist "%folder%\BIN\DEDUDED.INF" goto run
rem An old grid.wed waits in the temp folder, to be put back on failure.
rem A grid.wed that was not replaced must not be entered in its place, so
rem a failed copy ends the setup. Plain "if errorlevel" tests: some command
rem processors run the right side of "||" even after a success.
if not exist "%wed%" goto copy
copy /y /b "%wed%" "%saved%" >nul 2>&1
if errorlevel 1 goto not_copied
set had=1
:copy
copy /y /b "%~dp0grid.wed" "%wed%" >nul 2>&1
if errorlevel 1 goto not_copied
set copied=1

:run
rem At a prompt cmd does not wait for a program with windows such as
rem formfit.exe, and %ERRORLEVEL% would be the one of the command before;
rem start "" /wait waits wherever the line runs, so it can be copied to a
rem prompt as it stands.
start "" /wait "%FORMFIT%" "cavopath=%folder%" component=GridCtl "compfile=%wed%" mode=%mode% silent "log=%log%"
set status=%errorlevel%

rem With 4 Formfit has waited up to 10 seconds for another program to let go
rem of DEDUDED.INF; its log says whether the file is in use or the right to
rem change it is missing. With mode=Remove, 9 also means that grid.wed
rem yields nothing of the component.
set "meaning=an unknown status"
if "%status%"=="0" set "meaning=the change was made (or, for mode=Check, the component is installed)"
if "%status%"=="1" set "meaning=no change was asked for: the mode is none of Add, Remove, Check and Restore"
if "%status%"=="2" set "meaning=the folder is no installation: BIN\DEDUDED.INF is missing"
if "%status%"=="3" set "meaning=the component file is missing"
if "%status%"=="4" set "meaning=the configuration file cannot be opened"
if "%status%"=="5" set "meaning=memory is short"
if "%status%"=="6" set "meaning=the configuration file cannot be read"
if "%status%"=="7" set "meaning=no backup can be made"
if "%status%"=="8" set "meaning=the configuration file cannot be written; its old contents were put back"
if "%status%"=="9" set "meaning=nothing of the component could be placed; the file is unchanged"
if "%status%"=="10" set "meaning=the preview could not be written"
if "%status%"=="11" set "meaning=the program failed inside; DEDUDED.INF is whole, as before or fully changed"
if "%status%"=="12" set "meaning=mode=Check: the component is not installed"
if "%status%"=="13" set "meaning=mode=Check: the component is installed in part, or from another version of its component file"
if "%status%"=="14" set "meaning=mode=Restore: there is no such backup to put back; nothing changed"
echo Formfit: exit status %status%: %meaning%
>>"%log%" echo Formfit: exit status %status%: %meaning%

rem Removed from the configuration, the component needs its file no more;
rem a failed setup puts back the old grid.wed, or none.
if "%status%"=="0" (
  if /i "%mode%"=="Remove" del "%wed%"
) else if "%copied%"=="1" (
  if "%had%"=="1" (copy /y /b "%saved%" "%wed%" >nul) else (del "%wed%")
)
if "%had%"=="1" del "%saved%"
exit /b %status%

:not_copied
if "%had%"=="1" copy /y /b "%saved%" "%wed%" >nul 2>&1
if "%had%"=="1" del "%saved%"
echo grid-setup: copying grid.wed into BIN failed, status 3: the component file is missing
>>"%log%" echo grid-setup: copying grid.wed into BIN failed, status 3: the component file is missing
exit /b 3

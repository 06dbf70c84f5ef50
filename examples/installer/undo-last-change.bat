@echo off
rem Undoes the last change to FOLDER\BIN\DEDUDED.INF: Formfit puts the newest
rem backup back, after keeping the file as it is now as a new backup, so that
rem running this again undoes the undo.
rem
rem   undo-last-change.bat FOLDER
rem
rem Prints and logs the outcome as grid-setup.bat does, and ends with
rem Formfit's exit status: 0 when the backup is back, 14 when there is none.
if "%~1"=="" (
  echo usage: undo-last-change.bat FOLDER 1>&2
  exit /b 1
)
rem Handed over without call: grid-setup.bat ends this run, with its status.
"%~dp0grid-setup.bat" "%~1" Restore

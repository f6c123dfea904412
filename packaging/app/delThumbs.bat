@echo off
rem Removes the thumbnail caches named Thumbs.db from the user's profile folder and the folders
rem below it, and from nowhere else. Halvane starts this file hidden from its own folder and
rem waits for it to end.
setlocal DisableDelayedExpansion

rem Without a full profile path there is no folder that is certainly the user's own.
if not defined USERPROFILE goto end
set "HV_DIR=%USERPROFILE%"
if "%HV_DIR:~3%"=="" goto end
if not "%HV_DIR:~1,2%"==":\" if not "%HV_DIR:~0,2%"=="\\" goto end
if not exist "%HV_DIR%\" goto end
rem Start from the folder above, so that entering the profile always changes the folder.
cd /d "%HV_DIR%\.." 2>nul
call :clean
goto end

rem One folder, named by HV_DIR: its own Thumbs.db file (any attributes; a folder of that name
rem is left alone), then each sub-folder. Folders are handed on in a variable rather than as
rem arguments, so that a name holding % is never expanded twice, and are walked from inside,
rem so that no wildcard needs quotes. A folder that cannot be entered is skipped: the walk
rem must never go on in the folder it came from. Whether the folder was entered is read from
rem the current folder, as PUSHD's own result is not reliable on every command interpreter.
:clean
set "HV_FROM=%CD%"
pushd "%HV_DIR%" 2>nul
if /i "%CD%"=="%HV_FROM%" goto :eof
set "HV_ATTR="
for %%f in (Thumbs.db) do set "HV_ATTR=%%~af"
if defined HV_ATTR if not "%HV_ATTR:~0,1%"=="d" (
    attrib -r -h -s Thumbs.db >nul 2>&1
    del /f /q Thumbs.db >nul 2>&1
)
for /d %%d in (*) do (
    set "HV_DIR=%%~fd"
    set "HV_ATTR=%%~ad"
    call :enter
)
popd
goto :eof

rem A junction or link (attribute l) may lead outside the profile: it is not entered.
:enter
if not "%HV_ATTR:l=%"=="%HV_ATTR%" goto :eof
call :clean
goto :eof

:end
endlocal

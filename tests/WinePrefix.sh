#!/bin/sh
# Makes the Wine prefix the Windows tests run in, its temporary folder being $1: Wine
# takes a user's TEMP and TMP from the prefix's registry, not from the environment.
set -e
wine wineboot --init
wine reg add 'HKCU\Environment' /v TEMP /d "$1" /f >/dev/null
wine reg add 'HKCU\Environment' /v TMP /d "$1" /f >/dev/null
wineserver -w

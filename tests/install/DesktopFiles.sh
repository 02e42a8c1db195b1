#!/usr/bin/env bash
# Validates the desktop entry and the software centre's description (exit 77: tools missing).
# Usage: DesktopFiles.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"

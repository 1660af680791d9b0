#!/usr/bin/env bash
# Installs what Tarvik needs, builds it and starts it. Arguments are handed to
# the program, so a document can be named:  scripts/run.sh ~/covers/jazz.tvk
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/install-deps.sh"
"$here/build.sh"
exec "$here/../build/tarvik" "$@"

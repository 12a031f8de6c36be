#!/bin/bash
# Builds horalune.exe and makes the release zip build/horalune-<version>.zip: one folder
# holding the program, the icon store, icon.bmp, the default config.ini and a short read-me.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target horalune

version=$(sed -n 's/^project(horalune VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }
bin=build/mingw/bin
name=horalune-$version
# The default config.ini from the generated folder: the copy in bin may hold a developer's
# own settings from running the program there.
files=("$bin/horalune.exe" "$bin/图标资源.hrs" "$bin/icon.bmp" build/mingw/generated/config.ini)
for f in "${files[@]}"; do
    [ -f "$f" ] || { echo "package: $f is missing" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
for f in "${files[@]}"; do cp "$f" "$stage/$name/"; done
# The read-me as Notepad on any Windows opens it: UTF-8 with a byte-order mark, CRLF.
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' packaging/README.txt; } >"$stage/$name/README.txt"

zip="$root/build/$name.zip"
rm -f "$zip"
# Names in UTF-8 (flagged as such in the archive), the same bytes for the same input.
python3 - "$stage" "$name" "$zip" <<'PY'
import os, sys, zipfile
stage, name, out = sys.argv[1:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr(zipfile.ZipInfo(name + "/", (2026, 1, 1, 0, 0, 0)), b"")
    for f in sorted(os.listdir(os.path.join(stage, name))):
        info = zipfile.ZipInfo(name + "/" + f, (2026, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(os.path.join(stage, name, f), "rb") as src:
            z.writestr(info, src.read())
PY
echo "package: wrote build/$name.zip"
python3 -m zipfile -l "$zip"

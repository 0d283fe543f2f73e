#!/usr/bin/env bash
# Unpacks a compiled PWick.chm and renders its table of contents and every page to PNG
# with headless Chromium, for a look at the help without an HTML engine in Wine.
#   tools/helpview.sh PWick.chm OUT_DIR
# Needs extract_chmLib (libchm-bin) and chromium.
set -euo pipefail

if [ $# -ne 2 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PWick.chm OUT_DIR" >&2
    exit 2
fi
chm="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
out="$2"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/pwhelp.XXXXXX")"
trap 'rm -rf "$work"' EXIT

extract_chmLib "$chm" "$work/chm" >/dev/null
# The contents file is a sitemap, not a page: list it as the nested tree the viewer shows.
python3 - "$work/chm" >"$work/chm/toc-view.htm" <<'PY'
import html, re, sys, pathlib
folder = pathlib.Path(sys.argv[1])
hhc = next(folder.glob("*.hhc")).read_bytes().decode("gbk")
out = ['<html><head><meta charset="utf-8"><link rel="stylesheet" href="help.css"></head><body><h1>目录</h1>']
for token in re.finditer(r"<ul>|</ul>|<object type=\"text/sitemap\">(.*?)</object>", hhc, re.S | re.I):
    if token.group(1) is None:
        out.append(token.group(0))
        continue
    params = dict(re.findall(r'<param name="(\w+)" value="([^"]*)">', token.group(1)))
    name = html.escape(params.get("Name", "?"))
    local = params.get("Local")
    out.append(f'<li><a href="{local}">{name}</a> <small>({local})</small>' if local else f"<li><b>{name}</b>")
out.append("</body></html>")
print("\n".join(out))
PY

for page in "$work"/chm/*.htm; do
    name="$(basename "$page" .htm)"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,900 \
        --screenshot="$out/$name.png" "file://$page" >/dev/null 2>&1
    echo "$out/$name.png"
done

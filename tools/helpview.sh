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
# The contents and the keyword index are sitemaps, not pages: list each as the nested tree
# the viewer shows, a keyword with every page it leads to.
for sitemap in "hhc toc-view 目录" "hhk index-view 索引"; do
    read -r ext view title <<<"$sitemap"
    python3 - "$work/chm" "$ext" "$title" >"$work/chm/$view.htm" <<'PY'
import html, re, sys, pathlib
folder, ext, title = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
source = next(folder.glob("*." + ext), None)
text = source.read_bytes().decode("gbk") if source else ""
out = [f'<html><head><meta charset="utf-8"><link rel="stylesheet" href="help.css"></head><body><h1>{title}</h1>']
for token in re.finditer(r"<ul>|</ul>|<object type=\"text/sitemap\">(.*?)</object>", text, re.S | re.I):
    if token.group(1) is None:
        out.append(token.group(0))
        continue
    names = re.findall(r'<param name="Name" value="([^"]*)">', token.group(1))
    pages = re.findall(r'<param name="Local" value="([^"]*)">', token.group(1))
    name = html.escape(names[0] if names else "?")
    links = " ".join(f'<a href="{p}">{p}</a>' for p in pages)
    out.append(f"<li>{name} <small>{links}</small>" if pages else f"<li><b>{name}</b>")
out.append("</body></html>")
print("\n".join(out))
PY
done

for page in "$work"/chm/*.htm; do
    name="$(basename "$page" .htm)"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,${PW_HELP_HEIGHT:-900} \
        --screenshot="$out/$name.png" "file://$page" >/dev/null 2>&1
    echo "$out/$name.png"
done

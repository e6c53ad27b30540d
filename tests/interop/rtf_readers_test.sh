#!/usr/bin/env bash
# Other programs read what the RTF writer writes with the same text: LibreOffice and unrtf.
# Usage: rtf_readers_test.sh WRITE_RTF_SAMPLE
set -euo pipefail
writer=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$writer" "$scratch/sample.rtf" "$scratch/expected.txt"

collapse() {
  python3 -c 'import re, sys; print(re.sub(r"\s+", " ", sys.stdin.read().replace("\ufeff", "")).strip())'
}
expected=$(collapse < "$scratch/expected.txt")
status=0

soffice -env:UserInstallation="file://$scratch/profile" --headless \
  --convert-to "txt:Text (encoded):UTF8" --outdir "$scratch" "$scratch/sample.rtf" > "$scratch/lo.log" 2>&1
libreoffice=$(collapse < "$scratch/sample.txt")
if [ "$libreoffice" != "$expected" ]; then
  printf 'LibreOffice read:\n  %s\nexpected:\n  %s\n' "$libreoffice" "$expected"
  status=1
fi

# unrtf's text mode keeps only the low byte of other characters; its HTML output is exact.
unrtf --nopict --html "$scratch/sample.rtf" 2>/dev/null > "$scratch/sample.html"
unrtf_text=$(python3 - "$scratch/sample.html" <<'PY' | collapse
import sys
from html.parser import HTMLParser

class Text(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts, self.hidden = [], 0
    def handle_starttag(self, tag, attrs):
        if tag in ("head", "style", "title"):
            self.hidden += 1
        elif tag in ("br", "p", "div"):
            self.parts.append(" ")
    def handle_endtag(self, tag):
        if tag in ("head", "style", "title"):
            self.hidden -= 1
    def handle_data(self, data):
        if not self.hidden:
            self.parts.append(data)

reader = Text()
reader.feed(open(sys.argv[1], encoding="utf-8", errors="replace").read())
print("".join(reader.parts))
PY
)
if [ "$unrtf_text" != "$expected" ]; then
  printf 'unrtf read:\n  %s\nexpected:\n  %s\n' "$unrtf_text" "$expected"
  status=1
fi
[ $status -eq 0 ] && echo "LibreOffice and unrtf read the writer's text"
exit $status

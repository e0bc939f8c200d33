#!/usr/bin/env python3
"""Checks of the HTML, spreadsheet and RTF exports against what the real
clients made of them (Chromium's DOM, LibreOffice's CSV and text files).
The HTML file of the same plan is the reference for the texts: its text
blocks carry every printed line with its page pixel position.

  check_text_exports.py html HTM DOM          texts readable, pictures loaded
  check_text_exports.py csv CSV TEXT...       the texts stand in one row, in order
  check_text_exports.py rtf HTM TXT           every line, in page order
  check_text_exports.py pages HTM             the number of pages of the report

Exit status 0 when the check holds; otherwise the reason on standard error.
"""

import csv
import html
import re
import sys

PAGE_HEIGHT_PX = 1123  # A4 at 96 pixels per inch
TEXT_BLOCK = re.compile(
    r'<div style="position:absolute;top:(-?\d+)px;left:(-?\d+)px;[^"]*">\r\n\r\n(.*?)\r\n\r\n</DIV>', re.S)


def normal(text):
    """The words of a text with single spaces: the clients turn runs of
    spaces into other space characters."""
    return " ".join(text.split())


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def text_blocks(htm):
    """(top, left, text) of every text block, the text unescaped."""
    with open(htm, encoding="latin-1", newline="") as f:
        document = f.read()
    blocks = []
    for top, left, text in TEXT_BLOCK.findall(document):
        text = normal(html.unescape(text))
        if text:
            blocks.append((int(top), int(left), text))
    if not blocks:
        fail(f"{htm}: no text blocks")
    return blocks


def visual_lines(htm):
    """The texts grouped into lines from top to bottom (tops within a pixel
    form one line), each line as a sorted list of its texts."""
    lines = []
    last_top = None
    for top, _, text in sorted(text_blocks(htm)):
        if last_top is None or top - last_top > 1:
            lines.append([])
        lines[-1].append(text)
        last_top = top
    return [sorted(line) for line in lines]


def check_html(htm, dom_file):
    with open(dom_file, encoding="utf-8") as f:
        dom = f.read()
    shown = normal(html.unescape(dom))
    missing = [text for _, _, text in text_blocks(htm) if text not in shown]
    if missing:
        fail(f"{htm}: not in the rendered page: {missing[:5]}")
    images = re.search(r'data-images="([^"]*)"', dom)
    if not images or not images.group(1):
        fail(f"{htm}: no picture in the rendered page")
    for size in images.group(1).split(","):
        if size.startswith("0x"):
            fail(f"{htm}: a picture did not load ({images.group(1)})")
    print(f"html ok: {len(text_blocks(htm))} texts shown, pictures {images.group(1)}")


def check_csv(csv_file, texts):
    with open(csv_file, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))
    for row in rows:
        cells = [normal(cell) for cell in row if normal(cell)]
        if all(text in cells for text in texts) and \
                [cells.index(text) for text in texts] == sorted(cells.index(text) for text in texts):
            print(f"csv ok: {len(rows)} rows, row {rows.index(row) + 1}: {cells}")
            return
    fail(f"{csv_file}: no row holds {texts}")


def check_rtf_text(htm, txt):
    with open(txt, encoding="utf-8-sig") as f:
        written = [sorted(normal(t) for t in line.split("\t") if normal(t)) for line in f]
    written = [line for line in written if line]
    expected = visual_lines(htm)
    for number, (want, got) in enumerate(zip(expected, written), 1):
        if want != got:
            fail(f"{txt}: line {number} is {got}, the report has {want}")
    if len(expected) != len(written):
        fail(f"{txt}: {len(written)} lines, the report has {len(expected)}")
    print(f"rtf ok: {len(written)} lines in page order")


def page_count(htm):
    print(max(top for top, _, _ in text_blocks(htm)) // PAGE_HEIGHT_PX + 1)


def main(argv):
    if len(argv) >= 3 and argv[0] == "html":
        check_html(argv[1], argv[2])
    elif len(argv) >= 3 and argv[0] == "csv":
        check_csv(argv[1], argv[2:])
    elif len(argv) == 3 and argv[0] == "rtf":
        check_rtf_text(argv[1], argv[2])
    elif len(argv) == 2 and argv[0] == "pages":
        page_count(argv[1])
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)


if __name__ == "__main__":
    main(sys.argv[1:])

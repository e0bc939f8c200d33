#!/usr/bin/env python3
"""Checks of the HTML, spreadsheet and RTF exports against what the real
clients made of them (Chromium's DOM, LibreOffice's CSV and text files).
The HTML file of the same plan is the reference for the texts: its text
blocks carry every printed line with its page pixel position.

  check_text_exports.py html HTM DOM          texts readable, pictures loaded
  check_text_exports.py csv CSV TEXT...       the texts stand in one row, in order
  check_text_exports.py cells CSV HTM         the cells hold the report's texts
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


def number_of(text):
    """The value of a text in the program's number format (thousands points,
    decimal comma) or in the C notation a CSV file may use; None otherwise."""
    for plain in (text.replace(".", "").replace(",", "."), text):
        try:
            return float(plain)
        except ValueError:
            pass
    return None


def check_cells(csv_file, htm):
    with open(csv_file, encoding="utf-8", newline="") as f:
        cells = {normal(cell) for row in csv.reader(f) for cell in row if normal(cell)}
    texts = {text for _, _, text in text_blocks(htm)}
    numbers = {number_of(text) for text in texts} - {None}
    strays = [cell for cell in cells if cell not in texts and number_of(cell) not in numbers]
    if strays:
        fail(f"{csv_file}: cells that the report does not print: {strays[:5]}")
    missing = [text for text in texts if text not in cells and number_of(text) is None]
    if missing:
        fail(f"{csv_file}: texts of the report in no cell: {missing[:5]}")
    print(f"cells ok: {len(cells)} distinct cells, every text of the report")


def check_rtf_text(htm, txt):
    """Every text of the report stands in the text file once, and its lines
    follow the report from top to bottom: each text is matched with the
    highest unmatched block of the same text, the texts of one line lie
    within a point of each other and no line lies above the one before.
    A text the report prints twice at one place is written once."""
    with open(txt, encoding="utf-8-sig") as f:
        written = [[normal(t) for t in line.split("\t") if normal(t)] for line in f]
    written = [line for line in written if line]
    unmatched = sorted(set(text_blocks(htm)))
    last_top = None
    for number, line in enumerate(written, 1):
        tops = []
        for text in line:
            block = next((b for b in unmatched if b[2] == text), None)
            if block is None:
                fail(f"{txt}: line {number} holds \"{text}\", which the report does not print (again)")
            unmatched.remove(block)
            tops.append(block[0])
        if max(tops) - min(tops) > 2:
            fail(f"{txt}: line {number} joins texts of different lines: {line}")
        if last_top is not None and min(tops) < last_top - 2:
            fail(f"{txt}: line {number} {line} stands above the line before it in the report")
        last_top = max(tops)
    if unmatched:
        fail(f"{txt}: texts of the report missing: {[b[2] for b in unmatched][:5]}")
    print(f"rtf ok: {len(written)} lines, every text in page order")


def page_count(htm):
    print(max(top for top, _, _ in text_blocks(htm)) // PAGE_HEIGHT_PX + 1)


def main(argv):
    if len(argv) >= 3 and argv[0] == "html":
        check_html(argv[1], argv[2])
    elif len(argv) >= 3 and argv[0] == "csv":
        check_csv(argv[1], argv[2:])
    elif len(argv) == 3 and argv[0] == "cells":
        check_cells(argv[1], argv[2])
    elif len(argv) == 3 and argv[0] == "rtf":
        check_rtf_text(argv[1], argv[2])
    elif len(argv) == 2 and argv[0] == "pages":
        page_count(argv[1])
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)


if __name__ == "__main__":
    main(sys.argv[1:])

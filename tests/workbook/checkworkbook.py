#!/usr/bin/python3
"""Reads a written workbook back with openpyxl, a reader of its own, and
compares it with the chart it was written from.

Usage: checkworkbook.py WORKBOOK CHART.json
CHART.json: {"cells": 120 rows of 160 colour numbers, "colors": [{"rgb":
"RRGGBB", "pieces": n, "name": "", "code": ""}, ...] for numbers 1..N,
"builders": {"A1": "name", ...}}. Everything else (the counts per block, the
totals, the text colours) is worked out here from the cells. Prints each
difference and exits 1 if there is one."""

import json
import sys

import openpyxl

problems = []


def check(condition, message):
    if not condition:
        problems.append(message)
        if len(problems) > 30:
            report()


def report():
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


def labels():
    return [chr(65 + x) + str(y + 1) for x in range(16) for y in range(12)]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (int(rgb[i:i + 2], 16) for i in (0, 2, 4))
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def text_color(fill):
    black, white = "000000", "FFFFFF"
    if contrast(black, fill) >= 4.5:
        return black
    return white if contrast(white, fill) > contrast(black, fill) else black


def rgb_of(color):
    # openpyxl gives ARGB.
    return None if color is None or color.rgb is None else str(color.rgb)[-6:].upper()


def check_numbered(cell, number, fill, where):
    check(cell.value == number, f"{where}: number {cell.value!r}, expected {number}")
    check(cell.fill.fill_type == "solid" and rgb_of(cell.fill.fgColor) == fill,
          f"{where}: fill {rgb_of(cell.fill.fgColor)}, expected {fill}")
    check(rgb_of(cell.font.color) == text_color(fill),
          f"{where}: text {rgb_of(cell.font.color)}, expected {text_color(fill)}")


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    chart = json.load(open(sys.argv[2], encoding="utf-8"))
    cells, colors, builders = chart["cells"], chart["colors"], chart["builders"]
    count = len(colors)

    def fill(n):
        return colors[n - 1]["rgb"].upper() if 1 <= n <= count else "FFFFFF"

    blocks = {}
    for index, label in enumerate(labels()):
        x, y = divmod(index, 12)
        pieces = {}
        for row in range(10 * y, 10 * y + 10):
            for column in range(10 * x, 10 * x + 10):
                n = cells[row][column]
                pieces[n] = pieces.get(n, 0) + 1
        blocks[label] = pieces
    totals = {}
    for pieces in blocks.values():
        for n, k in pieces.items():
            totals[n] = totals.get(n, 0) + k
    numbers = list(range(1, count + 1)) + ([0] if 0 in totals else [])

    check(book.sheetnames == ["全体", "色", "ブロック別"] + labels(),
          f"sheets {book.sheetnames[:5]} ... ({len(book.sheetnames)})")

    whole = book["全体"]
    check(whole.freeze_panes == "B2", f"全体: frozen at {whole.freeze_panes}")
    check(whole.page_setup.paperSize == 9, "全体: not A4")
    check(whole.sheet_properties.pageSetUpPr.fitToPage, "全体: not fitted to the page")
    for x in range(16):
        check(whole.cell(1, 2 + 10 * x).value == chr(65 + x), f"全体: letter of block column {x}")
    for y in range(12):
        check(str(whole.cell(2 + 10 * y, 1).value) == str(y + 1), f"全体: number of block row {y}")
    for row in range(120):
        for column in range(160):
            cell = whole.cell(row + 2, column + 2)
            n = cells[row][column]
            check_numbered(cell, n, fill(n), f"全体 ({row + 1}, {column + 1})")
            thick = lambda side: getattr(cell.border, side).style == "medium"
            check(thick("left") == (column % 10 == 0) and thick("right") == (column % 10 == 9)
                  and thick("top") == (row % 10 == 0) and thick("bottom") == (row % 10 == 9),
                  f"全体 ({row + 1}, {column + 1}): block borders")
    check(whole.max_row == 121 and whole.max_column == 161,
          f"全体: {whole.max_row} x {whole.max_column} cells")

    sheet = book["色"]
    heading = [c.value for c in sheet[1]]
    has_names = any(c["name"] for c in colors)
    has_codes = any(c["code"] for c in colors)
    expected = ["番号", "色", "R", "G", "B"] + (["名前"] if has_names else []) \
        + (["コード"] if has_codes else []) + ["個数"]
    check(heading == expected, f"色: heading {heading}")
    for k, n in enumerate(numbers):
        row = [c.value for c in sheet[k + 2]]
        rgb = fill(n)
        check(row[0] == n, f"色 row {k + 2}: number {row[0]}")
        check(rgb_of(sheet.cell(k + 2, 2).fill.fgColor) == rgb, f"色 {n}: fill")
        channels = [int(rgb[i:i + 2], 16) for i in (0, 2, 4)] if n else [None] * 3
        check(row[2:5] == channels, f"色 {n}: RGB {row[2:5]}")
        column = 5
        if has_names:
            name = colors[n - 1]["name"] if n else "番号なし"
            check((row[column] or "") == name, f"色 {n}: name {row[column]!r}")
            column += 1
        if has_codes:
            code = colors[n - 1]["code"] if n else ""
            check((row[column] or "") == code, f"色 {n}: code {row[column]!r}")
        check(row[-1] == totals.get(n, 0), f"色 {n}: {row[-1]} pieces, {totals.get(n, 0)} in the cells")
        if n:
            check(row[-1] == colors[n - 1]["pieces"], f"色 {n}: pieces unlike the chart's")
    total_row = [c.value for c in sheet[len(numbers) + 2]]
    check(total_row[0] == "合計", f"色: total row {total_row}")
    check(sheet.max_row == len(numbers) + 2, f"色: {sheet.max_row} rows")

    # The totals as formulas, and their values as a reader that does not calculate sees them.
    values = openpyxl.load_workbook(sys.argv[1], data_only=True)
    check(values["色"].cell(len(numbers) + 2, len(expected)).value == 19200, "色: total")
    check(str(total_row[-1]).startswith("=SUM("), f"色: total {total_row[-1]}")

    table = book["ブロック別"]
    table_values = values["ブロック別"]
    has_builders = bool(builders)
    first = 2 if has_builders else 1
    heading = [c.value for c in table[1]]
    check(heading == ["ブロック"] + (["制作者"] if has_builders else []) + numbers + ["合計"],
          f"ブロック別: heading {heading}")
    for k, n in enumerate(numbers):
        check(rgb_of(table.cell(1, first + k + 1).fill.fgColor) == fill(n), f"ブロック別: fill of {n}")
    for index, label in enumerate(labels()):
        row = [c.value for c in table_values[index + 2]]
        check(row[0] == label, f"ブロック別 row {index + 2}: {row[0]}")
        if has_builders:
            check((row[1] or "") == builders.get(label, ""), f"ブロック別 {label}: builder {row[1]!r}")
        counts = [v or 0 for v in row[first:first + len(numbers)]]
        check(counts == [blocks[label].get(n, 0) for n in numbers], f"ブロック別 {label}: {counts}")
        check(row[-1] == 100, f"ブロック別 {label}: total {row[-1]}")
    last = [c.value for c in table_values[194]]
    check(last[0] == "合計" and last[first:first + len(numbers)] == [totals.get(n, 0) for n in numbers]
          and last[-1] == 19200, f"ブロック別: totals {last}")
    check(table.max_row == 194, f"ブロック別: {table.max_row} rows")

    for index, label in enumerate(labels()):
        sheet = book[label]
        x, y = divmod(index, 12)
        title = sheet.cell(1, 1).value
        builder = builders.get(label)
        check(title == f"ブロック {label}" + (f"　制作: {builder}" if builder else ""),
              f"{label}: title {title!r}")
        check(sheet.page_setup.paperSize == 9 and sheet.page_setup.orientation == "portrait",
              f"{label}: not A4 portrait")
        for i in range(10):
            for j in range(10):
                n = cells[10 * y + i][10 * x + j]
                check_numbered(sheet.cell(i + 2, j + 1), n, fill(n), f"{label} ({i + 1}, {j + 1})")
        key = [n for n in numbers if blocks[label].get(n)]
        for k, n in enumerate(key):
            row = [c.value for c in sheet[k + 3][11:15]]
            name = (colors[n - 1]["name"] if n else "番号なし") or None
            check(row[0] == n and row[2] == name and row[3] == blocks[label][n],
                  f"{label}: key row {row}, expected {n}, {name!r}, {blocks[label][n]}")
            check(rgb_of(sheet.cell(k + 3, 13).fill.fgColor) == fill(n), f"{label}: key fill of {n}")
        check(sheet.max_row == max(11, len(key) + 2), f"{label}: {sheet.max_row} rows")
    report()


main()

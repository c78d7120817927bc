#!/usr/bin/python3
"""The report benchmark's job done with openpyxl, for comparison with the embedded engine.

    openpyxl_report.py TEMPLATE RESULT

Opens the template, copies "Master" 34 times and renames the copies, writes 15,000 cells (every
tenth filled red, every seventh a red underlined number), saves. Prints the seconds it took.
openpyxl's sheet copy carries less than the engine's (no images, print settings or header images).
"""
import sys
import time

from openpyxl import load_workbook
from openpyxl.styles import Font, PatternFill

PAGE_COPIES = 34
CELL_COUNT = 15000
COLUMNS = 15
FIRST_ROW = 10


def fill_report(template, result):
    workbook = load_workbook(template)
    master = workbook["Master"]
    pages = []
    for page in range(1, PAGE_COPIES + 1):
        copy = workbook.copy_worksheet(master)
        copy.title = f"Bericht1_Seite{page}"
        pages.append(copy)
    cells_per_page = -(-CELL_COUNT // PAGE_COPIES)
    red_fill = PatternFill("solid", fgColor="FFFF0000")
    red_underline = Font(underline="single", color="FFFF0000")
    for index in range(CELL_COUNT):
        sheet = pages[index // cells_per_page]
        on_page = index % cells_per_page
        row, column = FIRST_ROW + on_page // COLUMNS, 1 + on_page % COLUMNS
        cell = sheet.cell(row=row, column=column)
        cell.value = index * 0.001 if column % 2 == 0 else f"CIR{on_page}.X"
        if index % 10 == 0:
            cell.fill = red_fill
        if index % 7 == 0:
            cell.font = red_underline
    workbook.save(result)


def main():
    start = time.perf_counter()
    fill_report(sys.argv[1], sys.argv[2])
    print(f"{time.perf_counter() - start:.6f}")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Lets LibreOffice headless read a workbook that the engine wrote.

    check_with_libreoffice.py WORKBOOK EXPECTATIONS.json

Converts the workbook to CSV (every sheet) and to PDF, each in its own private LibreOffice profile
so that tests may run side by side, and compares: cell texts of the CSV files and which PDF pages show an
image (poppler's pdfimages lists them). Exits with 1 on any mismatch, also when a
conversion fails or times out.
"""
import csv
import json
import os
import signal
import subprocess
import sys
import tempfile
from pathlib import Path

TIMEOUT_SECONDS = 120
# Comma, double quote, UTF-8, from line 1, cell texts as shown, every sheet into a file of its own.
CSV_FILTER = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1"


def convert(workbook, target_filter, folder):
    """Runs one conversion in its own process group, so that a timeout ends every LibreOffice process."""
    profile = Path(folder) / "profile"
    process = subprocess.Popen(
        ["soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--norestore",
         "--convert-to", target_filter, "--outdir", folder, str(workbook)],
        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, start_new_session=True,
        env={**os.environ, "HOME": folder},
    )
    try:
        _, errors = process.communicate(timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise SystemExit(f"LibreOffice did not finish converting to {target_filter} in {TIMEOUT_SECONDS} s")
    if process.returncode != 0:
        raise SystemExit(f"LibreOffice failed ({process.returncode}): {errors}")


def column_index(letters):
    number = 0
    for letter in letters:
        number = number * 26 + ord(letter) - ord("A") + 1
    return number - 1


def csv_cell(rows, address):
    letters = "".join(c for c in address if c.isalpha())
    row = int(address[len(letters):]) - 1
    column = column_index(letters)
    if row >= len(rows) or column >= len(rows[row]):
        return ""
    return rows[row][column]


def check_csv(workbook, expectations, problems):
    with tempfile.TemporaryDirectory() as folder:
        convert(workbook, CSV_FILTER, folder)
        stem = Path(workbook).stem
        for sheet, cells in expectations.get("csv", {}).items():
            path = Path(folder) / f"{stem}-{sheet}.csv"
            if not path.exists():
                problems.append(f"no CSV for sheet {sheet} (found {sorted(p.name for p in Path(folder).glob('*.csv'))})")
                continue
            with open(path, encoding="utf-8", newline="") as file:
                rows = list(csv.reader(file))
            for address, wanted in cells.items():
                found = csv_cell(rows, address)
                if found != wanted:
                    problems.append(f"CSV {sheet}!{address}: expected {wanted!r}, found {found!r}")


def page_count(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True, timeout=TIMEOUT_SECONDS,
                          check=True).stdout
    return int(next(line.split()[1] for line in info.splitlines() if line.startswith("Pages:")))


def check_pdf(workbook, expectations, problems):
    """Sheets with a logo may print on several pages; the pages without an image must be exactly
    those of the sheets without a logo."""
    if "pdfPagesWithoutImages" not in expectations:
        return
    with tempfile.TemporaryDirectory() as folder:
        convert(workbook, "pdf", folder)
        pdf = Path(folder) / (Path(workbook).stem + ".pdf")
        listing = subprocess.run(["pdfimages", "-list", str(pdf)], capture_output=True, text=True,
                                 timeout=TIMEOUT_SECONDS, check=True).stdout.splitlines()[2:]
        with_images = len({line.split()[0] for line in listing if line.strip()})
        without_images = page_count(pdf) - with_images
        if without_images != expectations["pdfPagesWithoutImages"]:
            problems.append(f"PDF pages without an image: expected {expectations['pdfPagesWithoutImages']}, "
                            f"found {without_images}")
        if with_images < expectations["pdfSheetsWithImages"]:
            problems.append(f"PDF pages with an image: expected at least {expectations['pdfSheetsWithImages']}, "
                            f"found {with_images}")


def main():
    workbook, expectations_path = sys.argv[1], sys.argv[2]
    with open(expectations_path, encoding="utf-8") as file:
        expectations = json.load(file)
    problems = []
    check_csv(workbook, expectations, problems)
    check_pdf(workbook, expectations, problems)
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()

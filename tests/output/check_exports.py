"""Opens exported files with the Python readers of the formats and checks
what a spreadsheet or word processor would show. Called by the output tests
with: check_exports.py SHEET.xlsx DOCUMENT.docx; exits non-zero on the first
difference, saying what it is."""
import sys

import docx
import openpyxl
from docx.enum.section import WD_ORIENT


def check(condition, what):
    if not condition:
        sys.exit("not as expected: " + what)


def check_sheet(path):
    book = openpyxl.load_workbook(path)
    check(book.sheetnames == ["Sheet2", "Sheet1"], "sheet names %r" % book.sheetnames)
    check(book.active.title == "Sheet2", "active sheet %s" % book.active.title)
    sheet = book["Sheet1"]
    check(sheet["A1"].value == "Tvornica & Co", "A1 %r" % sheet["A1"].value)
    check(sheet["B5"].value == "Bilanca", "B5 %r" % sheet["B5"].value)
    check(sheet["B5"].font.name == "Times New Roman" and sheet["B5"].font.sz == 14, "title font")
    check(sheet["B9"].value == "      I" and sheet["B9"].font.b, "heading %r" % sheet["B9"].value)
    check(sheet["B9"].alignment.horizontal == "right", "heading alignment")
    check(sheet["A10"].value == "Razdoblje" and sheet["A10"].font.sz == 8, "label")
    check(sheet["B11"].value == 1250 and sheet["B11"].alignment.horizontal == "right", "B11 %r" % sheet["B11"].value)
    check(sheet["C12"].value == 1.5 and sheet["C12"].number_format == "0.00", "C12 %r" % sheet["C12"].value)
    check(sheet["B12"].value == "n/a", "B12 %r" % sheet["B12"].value)
    check(sheet.column_dimensions["A"].width > sheet.column_dimensions["B"].width, "column widths")


def check_document(path):
    document = docx.Document(path)
    section = document.sections[0]
    check(section.orientation == WD_ORIENT.LANDSCAPE, "orientation")
    check(section.page_width > section.page_height, "page shape")
    paragraphs = document.paragraphs
    texts = [p.text for p in paragraphs]
    check(texts[0] == "Tvornica & Co   Zagreb   Ilica 1", "company line %r" % texts[0])
    check(paragraphs[0].runs[0].bold, "company line bold")
    check(texts[2] == " " * 48 + "Bilanca", "title %r" % texts[2])
    check(paragraphs[2].runs[0].font.name == "Times New Roman" and paragraphs[2].runs[0].font.size.pt == 14,
          "title font")
    rows = [p for p in paragraphs if p.runs and p.runs[-1].font.name == "Courier New"]
    check(len(rows) >= 8, "%d table rows" % len(rows))
    check(rows[0].runs[0].bold and not rows[1].runs[0].bold, "bold heading row only")
    check(all(r.runs[0].font.size.pt == 8 for r in rows), "table font size")
    check(rows[2].text == "Novac & ekvivalenti " + " " * 7 + "1250" + " " * 11, "row %r" % rows[2].text)
    breaks = sum(1 for p in paragraphs for r in p.runs if 'w:type="page"' in r._r.xml)
    check(breaks == 1, "%d page breaks" % breaks)


check_sheet(sys.argv[1])
check_document(sys.argv[2])

"""Independent peer of the workbook tests: xlrd/xlwt (.xls), openpyxl (.xlsx), odfpy (.ods).

  peer.py dump FILE  prints "S <name>" per sheet, then "C <row> <col> <text>" per non-empty
                     cell (tab-separated, texts as hex of their UTF-8)
  peer.py make DIR   writes the sample workbooks into DIR
"""
import os
import sys
import zipfile

import openpyxl
import xlrd
import xlwt
from odf import teletype
from odf.element import Element
from odf.opendocument import OpenDocumentSpreadsheet, load
from odf.table import Table, TableCell, TableRow
from odf.text import P

CHINESE = u"\u4e2d\u6587\u59d3\u540d"  # four Chinese characters
ODF_OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
ODF_TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"


def number_text(v):
    if v != v or v in (float("inf"), float("-inf")):
        return "#NUM!"
    if v == 0:
        return "0"
    if v == int(v) and abs(v) < 1e15:
        return "%d" % int(v)
    return ("%.15g" % v).replace("e", "E")


def value_text(v):
    if v is None:
        return ""
    if isinstance(v, bool):
        return "TRUE" if v else "FALSE"
    if isinstance(v, (int, float)):
        return number_text(v)
    return str(v)


def cell_text(cell):
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return xlrd.error_text_from_code.get(cell.value, "#N/A")
    return value_text(bool(cell.value) if cell.ctype == xlrd.XL_CELL_BOOLEAN else cell.value)


def hexed(text):
    return text.encode("utf-8").hex()


def dump_xls(path):
    for sheet in xlrd.open_workbook(path).sheets():
        yield None, None, sheet.name
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                yield r, c, cell_text(sheet.cell(r, c))


def dump_xlsx(path):
    book = openpyxl.load_workbook(path, data_only=True)
    for sheet in book.worksheets:
        yield None, None, sheet.title
        for row in sheet.iter_rows():
            for cell in row:
                yield cell.row - 1, cell.column - 1, value_text(cell.value)


def odf_attr(node, ns, name):
    return node.attributes.get((ns, name))


def odf_cell_text(cell):
    kind = odf_attr(cell, ODF_OFFICE, "value-type")
    if kind in ("float", "percentage", "currency"):
        return number_text(float(odf_attr(cell, ODF_OFFICE, "value")))
    if kind == "boolean":
        return "TRUE" if odf_attr(cell, ODF_OFFICE, "boolean-value") == "true" else "FALSE"
    paragraphs = [n for n in cell.childNodes if n.qname == (P().qname)]
    return "\n".join(teletype.extractText(p) for p in paragraphs)


def dump_ods(path):
    doc = load(path)
    for table in doc.spreadsheet.getElementsByType(Table):
        yield None, None, odf_attr(table, ODF_TABLE, "name")
        r = 0
        for row in table.getElementsByType(TableRow):
            rows = int(odf_attr(row, ODF_TABLE, "number-rows-repeated") or 1)
            cells, c = [], 0
            for cell in row.childNodes:
                if cell.qname[1] not in ("table-cell", "covered-table-cell"):
                    continue
                cols = int(odf_attr(cell, ODF_TABLE, "number-columns-repeated") or 1)
                text = odf_cell_text(cell)
                if text:
                    cells += [(c + k, text) for k in range(cols)]
                c += cols
            for k in range(rows if cells else 0):
                for col, text in cells:
                    yield r + k, col, text
            r += rows


def dump(path):
    lines = []
    kind = os.path.splitext(path.lower())[1]
    source = {".xls": dump_xls, ".xlsx": dump_xlsx, ".ods": dump_ods}[kind](path)
    for r, c, text in source:
        if r is None:
            lines.append("S\t" + hexed(text))
        elif text != "":
            lines.append("C\t%d\t%d\t%s" % (r, c, hexed(text)))
    sys.stdout.write("\n".join(lines) + "\n")


# ---- sample workbooks ----
PHONES = [["Index", "Phone Number", "User Name", "In Unit"]] + [
    [i, 13900000000 + i, CHINESE + str(i), 0] for i in range(1, 41)]


def make_multi(path):
    book = xlwt.Workbook(encoding="utf-8")
    phones = book.add_sheet("PhoneNumbers")
    for r, row in enumerate(PHONES):
        for c, value in enumerate(row):
            phones.write(r, c, value)
    chinese = book.add_sheet(u"\u7528\u6237")
    chinese.write(0, 0, u"\u5f20\u4e09")
    chinese.write(2, 3, u"\u674e\u56db, \"quoted\" text")
    chinese.write(5, 1, "")
    chinese.write(5, 2, " ")
    numbers = book.add_sheet("Numbers")
    for r, v in enumerate([5, 5.5, 13900002222, -3, 1e20, 0.1, 1.0 / 3, 123456789012, -0.25, 65536 * 65536]):
        numbers.write(r, 0, v)
        numbers.write(r, 1, -v)
    numbers.write(0, 2, True)
    numbers.write(1, 2, False)
    numbers.row(2).set_cell_error(2, "#DIV/0!")
    book.save(path)


OTHER = [[1.5, True, u"\u7528\u6237 a  b", None, -2.25e-7], [None, "x\"<&>", 1e20, False]]


def make_xlsx(path):
    book = openpyxl.Workbook()
    first = book.active
    first.title = "PhoneNumbers"
    for row in PHONES:
        first.append(row)
    other = book.create_sheet(u"\u7528\u6237")
    for row in OTHER:
        other.append(row)
    other["F3"] = "=1+1"  # no cached result: read as empty by both sides
    book.create_sheet("Empty")
    book.save(path)


CRAFTED_BOOK = (
    '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
    'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
    '<sheets><sheet name="Runs" sheetId="1" r:id="rId1"/></sheets></workbook>')
CRAFTED_SHEET = (
    '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
    '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="inlineStr"><is><r><t>in</t></r>'
    '<r><t xml:space="preserve">line </t></r></is></c><c r="C1"><v>1.3900002222E10</v></c></row>'
    '<row r="3"><c r="B3" t="b"><v>1</v></c><c r="C3" t="e"><v>#DIV/0!</v></c>'
    '<c r="D3" t="str"><f>A1</f><v>calc</v></c><c r="E3"/></row>'
    '<row><c t="s"><v>1</v></c></row></sheetData></worksheet>')
CRAFTED_STRINGS = (
    '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
    '<si><r><t>rich </t></r><r><rPr><b/></rPr><t>' + CHINESE + '</t></r>'
    '<rPh sb="0" eb="1"><t>fonetic</t></rPh></si><si><t>next row</t></si></sst>')


def make_crafted_xlsx(path):
    ns = "http://schemas.openxmlformats.org/"
    rel = ns + "officeDocument/2006/relationships/"
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml",
                   '<Types xmlns="%spackage/2006/content-types">'
                   '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                   '<Default Extension="xml" ContentType="application/xml"/>'
                   '<Override PartName="/xl/book.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
                   '<Override PartName="/xl/s/one.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
                   '<Override PartName="/xl/strings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
                   '</Types>' % ns)
        z.writestr("_rels/.rels", '<Relationships xmlns="%spackage/2006/relationships">'
                   '<Relationship Id="rId1" Type="%sofficeDocument" Target="xl/book.xml"/>'
                   '</Relationships>' % (ns, rel))
        z.writestr("xl/_rels/book.xml.rels", '<Relationships xmlns="%spackage/2006/relationships">'
                   '<Relationship Id="rId1" Type="%sworksheet" Target="s/one.xml"/>'
                   '<Relationship Id="rId2" Type="%ssharedStrings" Target="/xl/strings.xml"/>'
                   '</Relationships>' % (ns, rel, rel))
        z.writestr("xl/book.xml", CRAFTED_BOOK)
        z.writestr("xl/s/one.xml", CRAFTED_SHEET)
        z.writestr("xl/strings.xml", CRAFTED_STRINGS)


def ods_cell(value, repeat=1):
    attrs = {"numbercolumnsrepeated": repeat} if repeat > 1 else {}
    if value is None:
        return TableCell(**attrs)
    if isinstance(value, bool):
        cell = TableCell(valuetype="boolean", booleanvalue="true" if value else "false", **attrs)
    elif isinstance(value, (int, float)):
        cell = TableCell(valuetype="float", value=value, **attrs)
    else:
        cell = TableCell(valuetype="string", **attrs)
    for line in value_text(value).split("\n"):
        p = P()
        teletype.addTextToElement(p, line)
        cell.addElement(p)
    return cell


def ods_table(doc, name, rows, row_repeat=None):
    table = Table(name=name)
    for i, row in enumerate(rows):
        attrs = {"numberrowsrepeated": row_repeat[i]} if row_repeat and row_repeat[i] > 1 else {}
        tr = TableRow(**attrs)
        for value in row:
            tr.addElement(value if isinstance(value, Element) else ods_cell(value))
        table.addElement(tr)
    doc.spreadsheet.addElement(table)


def make_ods(path):
    doc = OpenDocumentSpreadsheet()
    ods_table(doc, "PhoneNumbers", PHONES)
    ods_table(doc, u"\u7528\u6237", OTHER + [
        [ods_cell("rep", 3), ods_cell(None, 2), "  two\nlines "],
        [None], [ods_cell(7, 2)], [ods_cell(None, 1024)]], [1, 1, 2, 3, 1, 1048000])
    ods_table(doc, "Empty", [[None]])
    doc.save(path)


def make(directory):
    make_multi(os.path.join(directory, "multi.xls"))
    make_xlsx(os.path.join(directory, "multi.xlsx"))
    make_crafted_xlsx(os.path.join(directory, "crafted.xlsx"))
    make_ods(os.path.join(directory, "multi.ods"))


if __name__ == "__main__":
    {"dump": dump, "make": make}[sys.argv[1]](sys.argv[2])

"""Independent peer for the workbook tests: xlrd reads, xlwt writes.

  xls_peer.py dump FILE     prints every sheet and non-empty cell as xlrd sees it
  xls_peer.py make DIR      writes the sample workbooks into DIR

Dump lines: "S <name>" per sheet in workbook order, then "C <row> <col> <text>"
per cell; fields are tab-separated, names and texts as hex of their UTF-8.
Numbers are shown as a spreadsheet shows them: whole numbers below 10^15
with every digit, others with 15 significant digits.
"""
import struct
import sys

import xlrd
import xlwt
from xlwt import CompoundDoc


def number_text(v):
    if v != v or v in (float("inf"), float("-inf")):
        return "#NUM!"
    if v == 0:
        return "0"
    if v == int(v) and abs(v) < 1e15:
        return "%d" % int(v)
    return ("%.15g" % v).replace("e", "E")


def cell_text(cell):
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
        return number_text(cell.value)
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return "TRUE" if cell.value else "FALSE"
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return xlrd.error_text_from_code.get(cell.value, "#N/A")
    return ""


def hexed(text):
    return text.encode("utf-8").hex()


def dump(path):
    book = xlrd.open_workbook(path)
    out = []
    for sheet in book.sheets():
        out.append("S\t" + hexed(sheet.name))
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                text = cell_text(sheet.cell(r, c))
                if text != "":
                    out.append("C\t%d\t%d\t%s" % (r, c, hexed(text)))
    sys.stdout.write("\n".join(out) + "\n")


# ---- sample workbooks ----

CHINESE = u"\u4e2d\u6587\u59d3\u540d"  # four Chinese characters


def records(stream, pos=0):
    while pos + 4 <= len(stream):
        rid, length = struct.unpack("<HH", stream[pos:pos + 4])
        yield rid, stream[pos + 4:pos + 4 + length]
        pos += 4 + length
        if rid == 0x000A:
            return


def record(rid, data):
    return struct.pack("<HH", rid, len(data)) + data


def string_record(text):
    try:
        raw, wide = text.encode("latin-1"), 0
    except UnicodeEncodeError:
        raw, wide = text.encode("utf-16-le"), 1
    return record(0x0207, struct.pack("<HB", len(text), wide) + raw)


def cached_result(value):
    """The 8 result bytes of a FORMULA record and the records that follow it."""
    if isinstance(value, bool):
        return struct.pack("<BBBBHH", 1, 0, int(value), 0, 0, 0xFFFF), b""
    if isinstance(value, str):
        return struct.pack("<BBBBHH", 0, 0, 0, 0, 0, 0xFFFF), string_record(value)
    return struct.pack("<d", value), b""


def with_results(stream, results):
    """Puts cached formula results into xlwt's stream (xlwt leaves them empty)
    and fixes the sheet positions of the sheet list."""
    globals_part, sheets = b"", []
    boundsheets = []
    pos = 0
    for rid, data in records(stream):
        if rid == 0x0085:
            boundsheets.append(len(globals_part))
        globals_part += record(rid, data)
    pos = len(globals_part)
    index = 0
    while pos < len(stream) and index < len(boundsheets):
        body = b""
        for rid, data in records(stream, pos):
            pos += 4 + len(data)
            extra = b""
            if rid == 0x0006:
                row, col = struct.unpack("<HH", data[:4])
                if (index, row, col) in results:
                    value, extra = cached_result(results[(index, row, col)])
                    data = data[:6] + value + data[14:]
            body += record(rid, data) + extra
        sheets.append(body)
        index += 1
    out = bytearray(globals_part)
    offset = len(globals_part)
    for at, body in zip(boundsheets, sheets):
        out[at + 4:at + 8] = struct.pack("<I", offset)
        offset += len(body)
    return bytes(out) + b"".join(sheets)


def save(book, path, results=None):
    stream = book.get_biff_data()
    if results:
        stream = with_results(stream, results)
    CompoundDoc.XlsDoc().save(path, stream)


def make_multi(path):
    book = xlwt.Workbook(encoding="utf-8")
    phones = book.add_sheet("PhoneNumbers")
    for c, name in enumerate(["Index", "Phone Number", "User Name", "In Unit"]):
        phones.write(0, c, name)
    for r in range(1, 40):
        phones.write(r, 0, r)
        phones.write(r, 1, 13900000000 + r)
        phones.write(r, 2, CHINESE + str(r))
        phones.write(r, 3, "0")
    chinese = book.add_sheet(u"\u7528\u6237")
    chinese.write(0, 0, u"\u5f20\u4e09")
    chinese.write(2, 3, u"\u674e\u56db, \"quoted\" text")
    chinese.write(5, 1, "")
    chinese.write(5, 2, " ")
    numbers = book.add_sheet("Numbers")
    for r, v in enumerate([5, 5.5, 13900002222, -3, 1e20, 0.1, 1.0 / 3, 123456789012, -0.25, 65536 * 65536]):
        numbers.write(r, 0, v)
        numbers.write(r, 1, -v)
    formulas = book.add_sheet("Formulas")
    formulas.write(0, 0, 2)
    formulas.write(0, 1, xlwt.Formula("A1*21"))
    formulas.write(1, 1, xlwt.Formula('"ab"&"cd"'))
    formulas.write(2, 1, xlwt.Formula("A1>1"))
    formulas.write(3, 1, xlwt.Formula('""&""'))
    formulas.write(4, 1, xlwt.Formula('"x"&"y"'))
    results = {(3, 0, 1): 42.0, (3, 1, 1): u"abcd" + CHINESE, (3, 2, 1): True, (3, 4, 1): "xy"}
    save(book, path, results)


def make_big_sst(path):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Strings")
    for i in range(70000):
        text = ("s%06d" % i) if i % 3 else (CHINESE + "%d" % i)
        sheet.write(i // 2, i % 2, text)
    # Long strings whose characters run across several CONTINUE records.
    sheet.write(0, 2, "L" * 20000)
    sheet.write(1, 2, CHINESE * 3000)
    sheet.write(2, 2, "")
    save(book, path)


def make(directory):
    make_multi(directory + "/multi.xls")
    make_big_sst(directory + "/bigsst.xls")


if __name__ == "__main__":
    {"dump": dump, "make": make}[sys.argv[1]](sys.argv[2])

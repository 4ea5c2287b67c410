#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an office file back with readers of its own and prints it as JSON.

dump.py csv FILE   -> {"bom": bool, "crlf": bool, "rows": [[cell, ...], ...]}
dump.py xlsx FILE  -> {"sheets": [{"name", "freeze", "cells": {"A1": {"value",
                       "formula", "format"}}}]}  (formula: the text of a formula
                       cell, value: the value stored with it)
"""
import csv
import io
import json
import sys


def dump_csv(path):
    with open(path, "rb") as f:
        raw = f.read()
    bom = raw.startswith(b"\xef\xbb\xbf")
    text = raw.decode("utf-8-sig")
    crlf = "\r\n" in text and "\n" not in text.replace("\r\n", "")
    rows = list(csv.reader(io.StringIO(text, newline=""), delimiter=";"))
    return {"bom": bom, "crlf": crlf, "rows": rows}


def dump_xlsx(path):
    import openpyxl
    formulas = openpyxl.load_workbook(path, data_only=False)
    values = openpyxl.load_workbook(path, data_only=True)
    sheets = []
    for ws in formulas.worksheets:
        cached = values[ws.title]
        cells = {}
        for row in ws.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                entry = {"format": cell.number_format}
                value = cached[cell.coordinate].value
                if isinstance(cell.value, str) and cell.value.startswith("="):
                    entry["formula"] = cell.value
                if hasattr(value, "isoformat"):
                    value = value.date().isoformat()
                entry["value"] = value
                cells[cell.coordinate] = entry
        sheets.append({"name": ws.title, "freeze": ws.freeze_panes, "cells": cells})
    return {"sheets": sheets}


kind, path = sys.argv[1], sys.argv[2]
print(json.dumps(dump_csv(path) if kind == "csv" else dump_xlsx(path), ensure_ascii=False))

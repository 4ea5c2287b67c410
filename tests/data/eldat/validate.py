#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Validates ELDATsmart documents against the vendored schema.json.

Usage: validate.py FILE...   Prints one line per error; exit 1 when any
document is invalid, 0 when all are valid.
"""
import json
import os
import sys

import jsonschema

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "schema.json"), encoding="utf-8") as f:
    schema = json.load(f)
validator = jsonschema.validators.validator_for(schema)(
    schema, format_checker=jsonschema.FormatChecker())

bad = 0
for path in sys.argv[1:]:
    with open(path, encoding="utf-8") as f:
        document = json.load(f)
    for error in validator.iter_errors(document):
        bad += 1
        where = "/".join(str(p) for p in error.absolute_path)
        print(f"{path}: {where}: {error.message[:300]}")
sys.exit(1 if bad else 0)

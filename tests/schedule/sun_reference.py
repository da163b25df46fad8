#!/usr/bin/python3
"""Sunrise and sunset from an independent almanac (astral), for the schedule tests.

Reads a JSON list of {"latitude", "longitude", "date": "YYYY-MM-DD"} on standard input and
prints, for each, a JSON list of {"sunrise": ms, "sunset": ms} (UTC, ms since the epoch) for
the day before, the date and the day after, so the caller can match the local date; a day on
which the sun does not rise or set is left out.
"""
import datetime
import json
import sys

import astral


def events(case):
    location = astral.Location(("", "", case["latitude"], case["longitude"], "UTC", 0))
    date = datetime.date.fromisoformat(case["date"])
    found = []
    for shift in (-1, 0, 1):
        try:
            sun = location.sun(date=date + datetime.timedelta(days=shift), local=False)
        except astral.AstralError:
            continue
        found.append({"sunrise": int(sun["sunrise"].timestamp() * 1000),
                      "sunset": int(sun["sunset"].timestamp() * 1000)})
    return found


print(json.dumps([events(case) for case in json.load(sys.stdin)]))

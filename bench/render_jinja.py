#!/usr/bin/env python3
"""Renders a Jinja2 template file to standard output (the Jinja2 peer of bench/compare)."""
import sys

import jinja2

env = jinja2.Environment(loader=jinja2.FileSystemLoader("."), keep_trailing_newline=True,
                         trim_blocks=True, lstrip_blocks=True, autoescape=False)
out = sys.stdout
for chunk in env.get_template(sys.argv[1]).generate():
    out.write(chunk)
